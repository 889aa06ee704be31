#pragma once

#include <memory>
#include <vector>

class Button;

// Every menu screen's buttons, in hit-testing and drawing order.
namespace menu_layouts {

using Buttons = std::vector<std::shared_ptr<Button>>;

// The controls screen's pad buttons: a slot (param 0 jump, 1 interact, 2 dash, 3 pause) and
// their Restore.
inline constexpr int kPadSlotId = 28;
inline constexpr int kPadRestoreId = 29;

Buttons titleButtons();
Buttons pauseButtons();
Buttons settingsButtons();
Buttons controlsButtons();
Buttons difficultyButtons();
Buttons rankingButtons();
Buttons gameOverButtons();

}  // namespace menu_layouts
