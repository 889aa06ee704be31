#pragma once

#include <memory>
#include <vector>

class Button;

// Every menu screen's buttons, in hit-testing and drawing order.
namespace menu_layouts {

using Buttons = std::vector<std::shared_ptr<Button>>;

Buttons titleButtons();
Buttons pauseButtons();
Buttons settingsButtons();
Buttons controlsButtons();
Buttons difficultyButtons();
Buttons rankingButtons();
Buttons gameOverButtons();

}  // namespace menu_layouts
