#pragma once

#include <cstdint>
#include <string>

class Ranking;
struct SDL_Renderer;

// The ranking screen's table: a heading and one row per run, "1   - " then the score aligned
// by leading spaces, then the play time.
namespace ranking_table {

// Play time as HH:MM:SS; 100 hours or more show as 99:59:59.
std::string clockText(std::uint64_t seconds);
// Spaces before a score so that scores line up: six minus its written length, one more for a
// power of ten.
int alignmentSpaces(int score);
std::string rowText(int position, int score, std::uint64_t seconds);
// "Puntuaciones" in Spanish, "ScoreBoard" otherwise.
std::string heading(int language);

// Draws the table over the ranking screen. menuOffsetX/Y: the camera that centres the menu;
// screenWidth: the screen's width in pixels.
void draw(SDL_Renderer* renderer, const Ranking& ranking, int language, double scale,
          double menuOffsetX, double menuOffsetY, int screenWidth);

}  // namespace ranking_table
