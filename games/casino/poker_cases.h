// The poker computer player's case memory: up to 10,001 situations, each with the decision
// taken in it. The nearest stored case answers a new situation; in a learning mode the
// decisions of a hand are buffered and, at the showdown, stored or, in mode 4, the cases that
// led computer seats to lose are forgotten. The hand's buffer, the cases used and the
// situation being learned lie in poker's area; the memory itself lives for the run in
// "\data\brain.txt".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TGameState;
class TRecordIo;

// The 20-byte situation record, in memory as in the file (little-endian).
struct TPokerCase {
  uint8_t winChance;        // blended win probability x 255
  uint8_t winChanceInHand;  // against the seats still in the hand x 255
  uint8_t winChanceTable;   // against every seat that can play x 255
  uint8_t unused3;
  int16_t potInBlinds;      // at most 200
  int16_t stakeInBlinds;    // at most 200
  int16_t toCallInBlinds;   // at most 200
  uint8_t streetCode;       // 0 pre-flop, 3 flop, 4 turn, 6 river; +10 when toCall >= 0
  uint8_t calm;             // calmness x 2.55
  int16_t callValue;        // expected gain of a call in money units
  int16_t betValue;         // expected gain of a bet of one blind
  uint8_t seat;
  uint8_t unused17;
  int16_t decision;         // -10 rules, -2 fold or check, -1 call, 1..99 blinds, 100 all-in
};
static_assert(sizeof(TPokerCase) == 20);

constexpr int pokerCaseCapacity = 10001;
constexpr int pokerSampleCapacity = 100;
constexpr int pokerUsedCapacity = 51;
constexpr int pokerCaseLimit = 9999;  // learning stops before the memory exceeds this
constexpr int pokerBrainFileSize = pokerCaseCapacity * 20 + 4;
constexpr int16_t pokerUseRules = -10;

// What a hand keeps of the case memory, behind poker's record in its area. The saved image
// has a fixed size with no room for it, so a loaded game starts with it empty.
struct TPokerCaseArea {
  int32_t sampleCount;
  TPokerCase samples[pokerSampleCapacity];
  int32_t usedCount;
  int32_t usedCase[pokerUsedCapacity];
  int32_t usedSeat[pokerUsedCapacity];
  TPokerCase situation;  // the situation being learned; seat 0: none taken yet
  uint8_t learned;       // the showdown's learning ran for this hand
};
TPokerCaseArea& pokerCaseArea();
TPokerCaseArea& pokerCaseArea(TGameState& gs);
// Its fields as a record walk, for an image that has room for them.
void pokerCasesImageIo(TRecordIo& io, TGameState& gs);

double featureDistance(double range, double a, double b);

class tClusterer {
 public:
  std::vector<TPokerCase> cases = std::vector<TPokerCase>(pokerCaseCapacity);
  int32_t caseCount = 0;
  std::string path;
  bool learning = false;
  bool replacing = false;  // mode 4 forgets the cases of losing seats
  int32_t mode = 0;        // 0 off, 1 every seat's decisions of winners, 2 the user's, 3 the user's wins, 4 forget

  tClusterer() = default;
  tClusterer(const std::string& path, bool load);

  // A file not of 200,024 bytes, or with a case count outside 0..10,001, is refused with an
  // error-log line and leaves the memory empty. False when the file is missing or refused.
  bool loadFromFile(const std::string& file);
  // Writes a temporary file beside the target and renames it over the target.
  bool saveToFile(const std::string& file) const;
  void clearMemory() { caseCount = 0; }
  void clearSamples();

  void addSample(const TPokerCase& sample);
  int32_t caseDistance(const TPokerCase& x, const TPokerCase& y) const;
  // The decision of the nearest case; -10 (the rules decide) when the memory is empty.
  int16_t nearestDecision(const TPokerCase& situation);
  void storeSamples(int32_t seat, bool endOfHand);
  // Forgets the cases remembered for the seats of the set ([1..6]), each case once, highest
  // index first, so that moving the last case into a freed slot never shifts one still due.
  void replaceSeatCases(const bool losing[7]);

  // The developer panel's six commands.
  void nextMode();
  void learningOff();
  void replacingOn() { replacing = true; }
  void replacingOff() { replacing = false; }
  void clear() { clearMemory(); }
  bool save() const { return saveToFile(path); }
};

// The run's one memory, loaded from the program folder's "\data\brain.txt" at first use.
tClusterer& clusterer();
// Saves the memory to its path, as the program's end does.
bool pokerSaveCaseMemory();

// The game's calls: at every new hand; after an answer with its decision code (the sample is
// the situation being learned; the next seat's situation is taken afresh); at the core's tick
// while the memory learns in modes 1 to 3; and once per hand at the showdown.
void pokerNewHandCases();
void pokerLearnFromAnswer(int16_t decision);
bool pokerSituationWanted();
void pokerNoteSituation();
void pokerLearnAtShowdown();
