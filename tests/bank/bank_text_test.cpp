// What a visit to the bank prints: the summary and contents, the questions, the item menus and
// every amount prompt, and where each visit stops.
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "bank/bank.h"
#include "bank/bank_table.h"
#include "bank_fixture.h"
#include "core/game_state.h"

namespace fm {
namespace {

using testing::Bank_Test;

constexpr std::string_view Direction_Question =
    "\nWould you like to withdraw or deposite?\n1 deposite, 2 withdraw\n";
constexpr std::string_view Deposit_Question =
    "\nWhat would you like to deposite?\n1 ore, 2 fish, 3 wood, 4 cooked fish\n";
constexpr std::string_view Withdraw_Question =
    "\nWhat would you like to withdraw?\n1 ore, 2 fish, 3 wood, 4 cooked fish\n";

std::string summary(std::int32_t free_spaces) {
  return "\nYou have: " + std::to_string(free_spaces) + " free bank spaces\n";
}

TEST_F(Bank_Test, EmptyBankShowsOnlyTheSummaryBeforeTheQuestion) {
  const std::string out = visit({3});
  EXPECT_EQ(out, summary(2800) + std::string(Direction_Question));
}

TEST_F(Bank_Test, ContentsFollowTheCatalogueAndLogsTakeAnExtraLine) {
  Game.bank = 2777;
  Game.B[Oak_Log] = 3;
  Game.B[Cooked_Minnow] = 2;
  Game.B[Copper_Ore] = 12;
  Game.B[Minnow] = 1;
  Game.B[Crystal_Log] = -4;  // any counter but 0 is listed
  Game.B[Rune_Essence] = 9;  // never listed
  const std::string out = visit({0});
  EXPECT_EQ(out, summary(2777) +
                     "\nYou have: 12 Copper Ore in storage\n"
                     "\nYou have: 1 Minnow in storage\n"
                     "\nYou have: 2 Cooked Minnow in storage\n"
                     "\nYou have: 3 Oak Log in storage\n\n"
                     "\nYou have: -4 Crystal Log in storage\n\n" +
                     std::string(Direction_Question));
}

// Every bankable item is listed under its bank name.
TEST_F(Bank_Test, ContentsNameEveryItem) {
  for (const Bank_Item& row : Bank_Items) Game.B[row.item] = 1;
  const std::string out = visit({0});
  for (const Bank_Item& row : Bank_Items) {
    EXPECT_NE(out.find("\nYou have: 1 " + std::string(row.name) + " in storage\n"),
              std::string::npos)
        << row.name;
  }
}

TEST_F(Bank_Test, DepositMenuListsOnlyItemsHeldKeepingTheirNumbers) {
  Game.Inventory[Tin_Ore] = 2;
  Game.Inventory[Gold_Ore] = 1;
  const Game_State before = Game;
  const std::string out = visit({1, 1, 1});
  EXPECT_EQ(out, summary(2800) + std::string(Direction_Question) + std::string(Deposit_Question) +
                     "\nWhat type of ore would you like to deposit?\n"
                     "2 Tin Ore, 7 Gold Ore, Any key to deposit nothing. ");
  Game.choice = before.choice;
  EXPECT_TRUE(Game == before);
}

TEST_F(Bank_Test, WholeDepositTranscript) {
  Game.Inventory[Gold_Ore] = 4;
  Game.total = 24;
  const std::string out = visit({1, 1, 7, 4});
  EXPECT_EQ(out, summary(2800) + std::string(Direction_Question) + std::string(Deposit_Question) +
                     "\nWhat type of ore would you like to deposit?\n"
                     "7 Gold Ore, Any key to deposit nothing. "
                     "\nHow much Gold Ore would you like to deposite?\n");
  EXPECT_EQ(Game.B[Gold_Ore], 4);
  // The next visit lists the stored ore and no longer offers it for deposit.
  con.clear_output();
  const std::string next = visit({1, 1, 7});
  EXPECT_EQ(next, summary(2796) + "\nYou have: 4 Gold Ore in storage\n" +
                      std::string(Direction_Question) + std::string(Deposit_Question) +
                      "\nWhat type of ore would you like to deposit?\n"
                      "Any key to deposit nothing. ");
}

TEST_F(Bank_Test, WholeWithdrawTranscript) {
  Game.B[Wood_Log] = 5;
  Game.B[Teak_Log] = 1;
  Game.bank = 2794;
  const std::string out = visit({2, 3, 1, 2});
  EXPECT_EQ(out, summary(2794) + "\nYou have: 5 Wood Log in storage\n\n" +
                     "\nYou have: 1 Teak Log in storage\n\n" + std::string(Direction_Question) +
                     std::string(Withdraw_Question) +
                     "\nWhat type of wood would you like to withdraw?\n"
                     "1 wood, 4 Teak Log, Any key to withdraw nothing. "
                     "\nHow much Wood Log would you like to withdraw?\n");
  EXPECT_EQ(Game.Inventory[Wood_Log], 2);
}

TEST_F(Bank_Test, WoodLogIsLabelledInFullForDeposit) {
  Game.Inventory[Wood_Log] = 1;
  const std::string out = visit({1, 3, 0});
  EXPECT_TRUE(
      out.ends_with("What type of wood would you like to deposit?\n"
                    "1 Wood Log, Any key to deposit nothing. "))
      << out;
}

struct Menu_Case {
  std::int32_t direction;
  std::int32_t category;
  std::string_view question_and_heading;  // everything after the direction question
};

std::ostream& operator<<(std::ostream& out, const Menu_Case& c) {
  return out << "direction " << c.direction << " category " << c.category;
}

// Only the ore deposit heading starts on a fresh line; every withdraw heading does.
const Menu_Case Menu_Cases[] = {
    {1, 1,
     "\nWhat would you like to deposite?\n1 ore, 2 fish, 3 wood, 4 cooked fish\n"
     "\nWhat type of ore would you like to deposit?\nAny key to deposit nothing. "},
    {1, 2,
     "\nWhat would you like to deposite?\n1 ore, 2 fish, 3 wood, 4 cooked fish\n"
     "What type of fish would you like to deposit?\nAny key to deposit nothing. "},
    {1, 3,
     "\nWhat would you like to deposite?\n1 ore, 2 fish, 3 wood, 4 cooked fish\n"
     "What type of wood would you like to deposit?\nAny key to deposit nothing. "},
    {1, 4,
     "\nWhat would you like to deposite?\n1 ore, 2 fish, 3 wood, 4 cooked fish\n"
     "What type of cooked fish would you like to deposit?\nAny key to deposit nothing. "},
    {2, 1,
     "\nWhat would you like to withdraw?\n1 ore, 2 fish, 3 wood, 4 cooked fish\n"
     "\nWhat type of ore would you like to withdraw?\nAny key to withdraw nothing. "},
    {2, 2,
     "\nWhat would you like to withdraw?\n1 ore, 2 fish, 3 wood, 4 cooked fish\n"
     "\nWhat type of fish would you like to withdraw?\nAny key to withdraw nothing. "},
    {2, 3,
     "\nWhat would you like to withdraw?\n1 ore, 2 fish, 3 wood, 4 cooked fish\n"
     "\nWhat type of wood would you like to withdraw?\nAny key to withdraw nothing. "},
    {2, 4,
     "\nWhat would you like to withdraw?\n1 ore, 2 fish, 3 wood, 4 cooked fish\n"
     "\nWhat type of cooked fish would you like to withdraw?\nAny key to withdraw nothing. "},
};

class Bank_Menu_Text : public Bank_Test, public ::testing::WithParamInterface<Menu_Case> {};

TEST_P(Bank_Menu_Text, EmptyMenuPrintsHeadingAndClose) {
  const Menu_Case& c = GetParam();
  const std::string out = visit({c.direction, c.category, 1});
  EXPECT_EQ(out,
            summary(2800) + std::string(Direction_Question) + std::string(c.question_and_heading));
}

INSTANTIATE_TEST_SUITE_P(Menus, Bank_Menu_Text, ::testing::ValuesIn(Menu_Cases));

// Full menus: every item of the category listed, numbered from 1, in order.
TEST_F(Bank_Test, FullMenusListEveryItemInOrder) {
  for (const Bank_Item& row : Bank_Items) {
    Game.Inventory[row.item] = 1;
    Game.B[row.item] = 1;
  }
  con.answer(1).answer(2).answer(0);
  Bank_Action();
  EXPECT_TRUE(con.output().ends_with(
      "What type of fish would you like to deposit?\n"
      "1 Minnow, 2 Sardine, 3 Herring, 4 Anchovies, 5 Trout, 6 Pike, 7 Salmon, 8 Tuna, "
      "9 Lobster, 10 Bass, 11 Swordfish, 12 Eel, 13 Monk Fish, 14 Sturgeon, 15 Shark, "
      "16 Sea Turtle, 17 Manta Ray, Any key to deposit nothing. "))
      << con.output();
  con.clear_output();
  con.answer(2).answer(3).answer(0);
  Bank_Action();
  EXPECT_TRUE(con.output().ends_with(
      "\nWhat type of wood would you like to withdraw?\n"
      "1 wood, 2 Oak Log, 3 Willow Log, 4 Teak Log, 5 Maple Log, 6 Mahogany Log, "
      "7 Arctic Pine Log, 8 Eucalyptus Log, 9 Yew Log, 10 Magic Log, 11 Cursed Log, "
      "12 Blood Log, 13 Dragon Log, 14 Crystal Log, Any key to withdraw nothing. "))
      << con.output();
}

struct Stop_Case {
  const char* label;
  std::initializer_list<std::int64_t> answers;
  std::string_view last_text;  // what the visit printed last before it stopped
};

std::ostream& operator<<(std::ostream& out, const Stop_Case& c) {
  return out << c.label;
}

// Each answer that matches no option ends the visit at once, silently, with nothing changed.
const Stop_Case Stop_Cases[] = {
    {"direction_0", {0}, "1 deposite, 2 withdraw\n"},
    {"direction_3", {3}, "1 deposite, 2 withdraw\n"},
    {"direction_negative", {-1}, "1 deposite, 2 withdraw\n"},
    {"category_0", {1, 0}, "1 ore, 2 fish, 3 wood, 4 cooked fish\n"},
    {"category_5", {2, 5}, "1 ore, 2 fish, 3 wood, 4 cooked fish\n"},
    {"option_past_the_menu", {1, 1, 16}, "Any key to deposit nothing. "},
    {"option_0", {2, 1, 0}, "Any key to withdraw nothing. "},
    {"option_not_held", {1, 1, 2}, "Any key to deposit nothing. "},
    {"option_not_stored", {2, 4, 2}, "Any key to withdraw nothing. "},
};

class Bank_Stop : public Bank_Test, public ::testing::WithParamInterface<Stop_Case> {};

TEST_P(Bank_Stop, EndsTheVisitSilently) {
  const Stop_Case& c = GetParam();
  Game.Inventory[Copper_Ore] = 3;
  Game.B[Cooked_Minnow] = 3;
  Game.total = 25;
  Game.bank = 2797;
  const Game_State before = Game;
  const std::string out = visit(c.answers);
  EXPECT_TRUE(out.ends_with(c.last_text)) << out;
  Game.choice = before.choice;
  EXPECT_TRUE(Game == before);
}

INSTANTIATE_TEST_SUITE_P(Answers, Bank_Stop, ::testing::ValuesIn(Stop_Cases),
                         [](const auto& info) { return std::string(info.param.label); });

// Each amount question, asked for every item in both directions, is the table's prompt on a
// line of its own.
TEST_F(Bank_Test, EveryAmountPromptIsAskedForItsItem) {
  for (const Bank_Item& row : Bank_Items) {
    for (std::int32_t direction = 1; direction <= 2; ++direction) {
      reset_game_state();
      Game.Inventory[row.item] = 1;
      Game.B[row.item] = 1;
      con.clear_output();
      visit({direction, static_cast<std::int32_t>(row.category), row.number, 0});
      const std::string_view prompt = direction == 1 ? row.deposit_prompt : row.withdraw_prompt;
      const std::string expected_close =
          std::string(direction == 1 ? "Any key to deposit nothing. "
                                     : "Any key to withdraw nothing. ") +
          "\n" + std::string(prompt) + "\n";
      EXPECT_TRUE(con.output().ends_with(expected_close)) << row.name << ": " << con.output();
    }
  }
}

// The prompts name the item by its bank name, except seven that use its first word only.
TEST(Bank_Table, PromptsNameTheItem) {
  const std::set<Item> short_deposit = {Cursed_Ore, Blood_Ore, Dragon_Ore, Wood_Log};
  const std::set<Item> short_withdraw = {Gold_Ore, Runite_Ore, Cursed_Ore};
  for (const Bank_Item& row : Bank_Items) {
    const std::string full(row.name);
    const std::string first_word = full.substr(0, full.find(' '));
    EXPECT_EQ(row.deposit_prompt, "How much " +
                                      (short_deposit.contains(row.item) ? first_word : full) +
                                      " would you like to deposite?");
    EXPECT_EQ(row.withdraw_prompt, "How much " +
                                       (short_withdraw.contains(row.item) ? first_word : full) +
                                       " would you like to withdraw?");
  }
  EXPECT_EQ(bank_item(Cursed_Ore)->deposit_prompt, "How much Cursed would you like to deposite?");
  EXPECT_EQ(bank_item(Wood_Log)->deposit_prompt, "How much Wood would you like to deposite?");
  EXPECT_EQ(bank_item(Gold_Ore)->withdraw_prompt, "How much Gold would you like to withdraw?");
}

TEST(Bank_Table, OnlyTheWithdrawnWoodLogHasItsOwnLabel) {
  for (const Bank_Item& row : Bank_Items) {
    EXPECT_EQ(row.label(false), row.name);
    EXPECT_EQ(row.label(true), row.item == Wood_Log ? "wood" : row.name);
  }
}

}  // namespace
}  // namespace fm
