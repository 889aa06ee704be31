#include "scene/ScenePainter.hpp"

#include <SDL_render.h>

#include <cmath>
#include <memory>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "app/GameGlobals.hpp"
#include "bosses/Jefe.hpp"
#include "enemies/Enemigo.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "render/Background.hpp"
#include "render/BandMargins.hpp"
#include "render/CoreTextures.hpp"
#include "render/PrescaledTexture.hpp"
#include "render/TextureLoader.hpp"
#include "scene/BandClip.hpp"
#include "scene/Escena.hpp"
#include "scene/Plataforma.hpp"

void ScenePainter::render(SDL_Renderer* renderer) {
    const SDL_Rect band = bandOf(s_);
    for (int i = static_cast<int>(s_.treeLayers.size()) - 1; i >= 0; --i) {
        Background& layer = *s_.treeLayers[static_cast<std::size_t>(i)];
        if (layer.dstRect != nullptr && layer.dstRect->x != band.x) {
            layer.dstRect->x = band.x;
        }
        layer.render(renderer);
    }
    if (renderer != nullptr && s_.texture != nullptr) {
        if (!s_.bandPicture_) {
            s_.bandPicture_ = std::make_unique<PrescaledTexture>();
        }
        SDL_Texture* room = inLanguage(s_.texture, globals().language);
        s_.bandPicture_->draw(renderer, room, s_.srcRect, band);
        int windowWidth = 0;
        int windowHeight = 0;
        if (s_.srcRect != nullptr &&
            SDL_GetRendererOutputSize(renderer, &windowWidth, &windowHeight) == 0) {
            band_margins::draw(renderer, *s_.bandPicture_, room, *s_.srcRect, band, windowWidth);
        }
    }
    const bool talkingNow = s_.talking();
    for (const auto& n : s_.npcs) {
        if ((n->kind == NPC::kBolsillos || n->kind == NPC::kBotones) && !n->passing) {
            drawAnimatedInBand(renderer, *n, band);
            if (talkingNow) {
                n->ticksLeft += 1;  // the shop stands still while someone talks
            }
        }
    }
    for (const auto& p : s_.platforms) {
        drawInBand(renderer, *p, band);
    }
    for (const auto& s : s_.playerShots) {
        drawInBand(renderer, *s, band);
    }
    for (const auto& s : s_.enemyShots) {
        drawInBand(renderer, *s, band);
    }
    for (const auto& e : s_.enemies) {
        drawAnimatedInBand(renderer, *e, band);
    }
    if (s_.boss) {
        drawAnimatedInBand(renderer, *s_.boss, band);
        s_.boss->renderOverlay(renderer, band);
    }
    for (const auto& item : s_.items) {
        drawInBand(renderer, *item, band);
        if (!s_.isTutorial && item->kind != Objeto::kHeart) {
            s_.hud_.drawPriceLabel(renderer, *item);
        }
    }
    s_.prota->render(renderer);
    if (talkingNow) {
        s_.prota->ticksLeft += 1;
    }
    for (const auto& n : s_.npcs) {
        n->drawDialogue(renderer);
    }
    if (!talkingNow) {
        s_.hud_.drawPrompts(renderer);
        s_.hud_.drawHearts(renderer);
        s_.crosshair->render(renderer);
        const double dx =
            (s_.crosshair->x + s_.crosshair->w / 2.0) - (s_.prota->x + s_.prota->w / 2.0);
        const double dy =
            (s_.crosshair->y + s_.crosshair->h / 2.0) - (s_.prota->y + s_.prota->h / 2.0);
        const double degrees = std::atan2(dy, dx) * 180.0 / M_PI;
        const SDL_Point centre{0, s_.reticle->dstRect != nullptr ? s_.reticle->dstRect->h / 2 : 0};
        s_.reticle->draw(renderer, degrees, &centre);
    } else {
        s_.hud_.drawHearts(renderer);
    }
}
