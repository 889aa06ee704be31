#pragma once

#include <string>
#include <vector>

// A conversation is a list of lines, one per press of the interaction key.
using Conversation = std::vector<std::string>;

// Both dialogue files, read once at start-up and kept in memory, so characters never read the
// disk or fail in the middle of a run.
namespace dialogue {

// The character keys of the dialogue files, by character kind 0 to 6.
inline constexpr const char* kCharacterKeys[7] = {"bolsillos", "botones", "codicia", "lujuria",
                                                  "valdro",    "prota",   "tutorial"};

// Entries the story reads beyond those the scene file names.
// The bellboy after a revive: conversation n after the (n + 1)th revive of the run, the last one
// from then on.
inline constexpr int kReviveEntry = 4;
// The bellboy bursting into the final arena once Valdro has said his last words.
inline constexpr int kClosingEntry = 5;
// The shopkeeper on a purchase: entry kPurchaseEntryBase + the shop's "linesBolsillos", one
// conversation per item kind (0 to 4).
inline constexpr int kPurchaseEntryBase = 2;
inline constexpr int kPurchaseKinds = 5;
// The hero looking back, on the ending screen.
inline constexpr int kEpilogueEntry = 1;

// Reads "datus/dialog/conversaciones_es.json" and "..._en.json" (relative to the working
// directory). A file that is missing or does not parse leaves that language empty and prints
// one stderr line naming the file. Safe to call again (re-reads).
void loadDialogueFiles();
// Replaces a language's text with a parsed document (tests). language: 0 Spanish, 1 English.
void setDialogueText(int language, const std::string& jsonText);

// The conversations of entry `index` of character `kind` in `language`. When the entry cannot
// be read (missing key or entry, wrong type) the character says nothing: an empty list, and one
// stderr line naming the file and the key (once per file, key and index).
std::vector<Conversation> conversationsFor(int language, int kind, int index);

}  // namespace dialogue
