// The rule tables built into the program: the same rules as the shipped files in
// "\data\oldsk\", used when a file is missing or malformed. Written by
// tools/skat_rule_calibration together with the files.
#include "games/skat/skat_rule_tables.h"

namespace {

constexpr std::string_view builtInJacks =
    "eingebaut |data|#1(4,1)14##1(4,2)9##1(4,3)8##1(4,4)6#";
constexpr std::string_view builtInCards =
    "eingebaut |data|#1(8,1)10##1(8,2)10##1(8,3)10##1(8,4)10##1(7,1)0##1(7,2)0##1(7,3)0##1(7,4)0#";
constexpr std::string_view builtInSuitGame =
    "eingebaut |data|#1(8,5)0##1(7,5)0##1(6,5)1##1(5,5)1##1(3,5)1##1(2,5)1##1(1,5)1##1(4,1)5##1(4,2)5##1(4,3)5##1(4,4)5##1(8,1)5##1(8,2)5##1(8,3)5##1(8,4)5##1(7,1)2##1(7,2)2##1(7,3)2##1(7,4)2#";

}  // namespace

std::string_view skatBuiltInRuleText(std::string_view name) {
  if (name == "buben.txt") return builtInJacks;
  if (name == "karten.txt") return builtInCards;
  if (name == "kartenf.txt") return builtInSuitGame;
  return "eingebaut |data|";
}
