// The rule tables built into the program: the same rules as the shipped files in
// "\data\oldsk\", used when a file is missing or malformed. Written by
// tools/skat_rule_calibration together with the files.
#include "games/skat/skat_rule_tables.h"

namespace {

constexpr std::string_view builtInJacks =
    "eingebaut |data|#1(4,1)5##1(4,2)4##1(4,3)4##1(4,4)4#";
constexpr std::string_view builtInCards =
    "eingebaut |data|#1(8,1)12##1(8,2)12##1(8,3)12##1(8,4)12##1(7,1)0##1(7,2)0##1(7,3)0##1(7,4)0#";
constexpr std::string_view builtInSuitGame =
    "eingebaut |data|#1(8,5)0##1(7,5)0##1(6,5)1##1(5,5)1##1(3,5)1##1(2,5)1##1(1,5)1##1(4,1)6##1(4,2)6##1(4,3)6##1(4,4)6##1(8,1)6##1(8,2)6##1(8,3)6##1(8,4)6##1(7,1)1##1(7,2)1##1(7,3)1##1(7,4)1#";

}  // namespace

std::string_view skatBuiltInRuleText(std::string_view name) {
  if (name == "buben.txt") return builtInJacks;
  if (name == "karten.txt") return builtInCards;
  if (name == "kartenf.txt") return builtInSuitGame;
  return "eingebaut |data|";
}
