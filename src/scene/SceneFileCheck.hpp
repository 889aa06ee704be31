#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

// Start-up check of the whole scene document against what the story will read from it, so a
// broken scene file is reported before the first run instead of in the middle of one.
//
// scenes is the parsed "datus/config/scenes.json"; dialogueEs and dialogueEn are the parsed
// "datus/dialog/conversaciones_es.json" and "_en.json" (both are checked because the language
// can change during a run). Checked:
//  - every slot the story reads exists: "tutorial", "shop_1", "shop_2", "botones_2",
//    "botones_3", "botones_4", "greed", "lust", "valdro" as one scene object each, and the
//    pools "scenes_1" to "scenes_4" (at least 3 scenes) and "scenes_5" (at least 6) as arrays;
//  - every scene object converts to a SceneData: each key that is missing or cannot be read is
//    named (with the list element at fault) and the loader's error quoted;
//  - "bg" is 0 to 8, every "platformIndex" -1 to 4, every "obstacleIndex" 0 to 4;
//  - parallel lists have the length of their positions list;
//  - "linesBolsillos" and "linesBotones" are -1 or name an entry of the "bolsillos" / "botones"
//    array of both dialogue documents, and that entry is a list of conversations of lines;
//  - where "linesBotones" is 3 (the hero's own thoughts join in), entry 0 of "prota" likewise;
//  - entry 0 of "codicia", "lujuria", "valdro" and "tutorial" in both dialogue documents (every
//    run meets the three bosses and the tutorial guide);
//  - the tutorial's script: the tutorial's bellboy gives the heart container after its
//    conversation 1, so its entry needs at least 2 conversations; a character there that has
//    said conversation 1 and has more to say is sent on to conversation 3, so an entry of its
//    own (bellboy, shopkeeper, or the guide's entry 0) must not stop at 3 conversations.
//
// Returns one readable message per problem, each starting with the file name and then the
// slot, the scene's place in its pool and the key (a dialogue-only problem names the dialogue
// file and the character); empty when the documents are fine.
std::vector<std::string> checkSceneFile(const nlohmann::json& scenes,
                                        const nlohmann::json& dialogueEs,
                                        const nlohmann::json& dialogueEn);
