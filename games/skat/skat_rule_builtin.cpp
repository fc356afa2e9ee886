// The rule tables built into the program: the same rules as the shipped files in
// "\data\oldsk\", used when a file is missing or malformed.
#include "games/skat/skat_rule_tables.h"

namespace {

constexpr std::string_view builtInJacks = "eingebaut |data|#1(4,1)20##1(4,2)18##1(4,3)16##1(4,4)14#";
constexpr std::string_view builtInCards = "eingebaut |data|#1(8,1)4##1(8,2)4##1(8,3)4##1(8,4)4##1(7,1)2##1(7,2)2##1(7,3)2##1(7,4)2#";
constexpr std::string_view builtInSuitGame = "eingebaut |data|#1(8,5)6##1(7,5)5##1(6,5)4##1(5,5)4##1(3,5)3##1(2,5)3##1(1,5)3##1(4,1)8##1(4,2)7##1(4,3)6##1(4,4)5#";

}  // namespace

std::string_view skatBuiltInRuleText(std::string_view name) {
  if (name == "buben.txt") return builtInJacks;
  if (name == "karten.txt") return builtInCards;
  if (name == "kartenf.txt") return builtInSuitGame;
  return "eingebaut |data|";
}
