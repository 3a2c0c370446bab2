#include "sim/demo_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>

#include "common/cp1250.h"
#include "common/dates.h"
#include "sim/event_line.h"
#include "sim/public_holidays.h"

namespace olv {
namespace {

constexpr int kMinute = 60;
constexpr int kHour = 3600;
constexpr int kLastSecond = 24 * kHour - 1;

// Chances per working day.
constexpr double kSickDay = 0.03;
constexpr double kHolidayWeek = 0.35;
constexpr double kForgotCard = 0.03;
constexpr double kTwice = 0.03;
constexpr double kUsualInsideDoor = 0.85;
constexpr double kOtherInsideDoor = 0.15;
constexpr double kRefusedAtDoor = 0.25;
constexpr double kRefusedByPin = 0.3;
constexpr double kPinInsteadOfCard = 0.1;

struct sPlannedEvent {
  sDemoReader reader;
  int user_id = 0;
  int second = 0;
  bool by_pin = false;
};

// What stays the same for a person over the weeks.
struct sHabit {
  const sDemoRoute* route = nullptr;
  const cUzytkownik* user = nullptr;
  int arrival_offset = 0;
  int departure_offset = 0;
  double lunch_chance = 0;
  // The week (counted from the first day) spent on holiday; -1 for none.
  int holiday_week = -1;
};

class cDice {
 public:
  explicit cDice(uint32_t seed) : mRandom(seed) {}
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(mRandom); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(mRandom); }
  int Spread(int sigma) {
    return static_cast<int>(std::lround(std::normal_distribution<double>(0, sigma)(mRandom)));
  }

 private:
  std::mt19937 mRandom;
};

int SecondOfDay(double time_of_day) {
  const cDateTimeFields t = DecodeDateTime(time_of_day);
  return t.hour * kHour + t.minute * kMinute + t.second;
}

int Clamp(int second, int low, int high) {
  return std::clamp(std::clamp(second, low, std::max(low, high)), 0, kLastSecond);
}

void PlanUserDay(const sHabit& habit, cDice& dice, std::vector<sPlannedEvent>& events) {
  const sDemoRoute& route = *habit.route;
  const cUzytkownik& user = *habit.user;
  const int start = SecondOfDay(user.CzasyPracy.PoczatekPracy);
  const int end = SecondOfDay(user.CzasyPracy.KoniecPracy);
  const int arrival = Clamp(start + habit.arrival_offset + dice.Spread(6 * kMinute),
                            start - 45 * kMinute, start + 40 * kMinute);
  const int departure = Clamp(end + habit.departure_offset + dice.Spread(9 * kMinute),
                              std::max(arrival + kHour, end - 25 * kMinute), end + 75 * kMinute);
  const bool has_pin = !user.PIN.empty();
  const bool has_card = user.Karta.GetWartosc() != 0;
  auto by_pin = [&] { return has_pin && (!has_card || dice.Chance(kPinInsteadOfCard)); };

  if (has_pin && has_card && dice.Chance(kForgotCard)) {
    // The own card left at home: an unknown one first, then the PIN.
    events.push_back({route.arrival, 0, arrival - dice.Between(5, 40), false});
    events.push_back({route.arrival, user.ID, arrival, true});
  } else {
    events.push_back({route.arrival, user.ID, arrival, by_pin()});
  }
  if (dice.Chance(kTwice)) {
    // Held to the reader once more, to be sure.
    events.push_back({route.arrival, user.ID, arrival + dice.Between(2, 6), by_pin()});
  }
  for (size_t i = 0; i < route.inside.size(); ++i) {
    if (i == 0 && dice.Chance(kUsualInsideDoor)) {
      events.push_back(
          {route.inside[0], user.ID, arrival + dice.Between(2 * kMinute, 7 * kMinute), by_pin()});
    } else if (i > 0 && dice.Chance(kOtherInsideDoor) && departure - arrival >= kHour) {
      events.push_back({route.inside[i], user.ID,
                        dice.Between(arrival + 30 * kMinute, departure - 30 * kMinute), by_pin()});
    }
  }
  if (route.lunch_out.bus_id != 0 && dice.Chance(habit.lunch_chance)) {
    const int out = dice.Between(11 * kHour + 45 * kMinute, 13 * kHour + 15 * kMinute);
    const int back = out + dice.Between(15 * kMinute, 50 * kMinute);
    if (out > arrival + kHour && back < departure - 30 * kMinute) {
      events.push_back({route.lunch_out, user.ID, out, by_pin()});
      events.push_back({route.lunch_in, user.ID, back, by_pin()});
    }
  }
  events.push_back({route.departure, user.ID, departure, by_pin()});
}

}  // namespace

std::optional<std::vector<sDemoEventFile>> MakeDemoEventFiles(const std::vector<sDemoRoute>& routes,
                                                              const cUserList& users,
                                                              const cDevList& devices, double now,
                                                              int days, uint32_t seed,
                                                              std::string* error) {
  // The reader names as the devices write them.
  std::map<int, std::array<std::string, 2>> reader_names;
  for (int i = 0; i < devices.CountDevices(); ++i) {
    const cUrzadzenie& device = *devices.GetDeviceByIndex(i);
    const auto name0 = Utf8ToCp1250(device.Czytnik0.Nazwa);
    const auto name1 = Utf8ToCp1250(device.Czytnik1.Nazwa);
    if (!name0 || !name1) {
      if (error) *error = "a reader name of " + device.Nazwa + " does not fit code page 1250";
      return std::nullopt;
    }
    reader_names[device.ID] = {*name0, *name1};
  }

  cDice dice(seed);
  const int weeks = (days + 6) / 7;
  std::vector<sHabit> habits;
  for (const sDemoRoute& route : routes) {
    const cUzytkownik* user = users.GetUserByID(route.user_id);
    if (!user || !reader_names.count(route.arrival.bus_id) ||
        !reader_names.count(route.departure.bus_id)) {
      continue;
    }
    sHabit habit{&route, user};
    habit.arrival_offset = dice.Between(-22 * kMinute, 3 * kMinute);
    habit.departure_offset = dice.Between(0, 30 * kMinute);
    habit.lunch_chance = dice.Between(5, 45) / 100.0;
    if (dice.Chance(kHolidayWeek)) habit.holiday_week = dice.Between(0, weeks - 1);
    habits.push_back(habit);
  }

  const double today = DateOf(now);
  const int now_second = SecondOfDay(TimeOfDay(now));
  std::vector<sDemoEventFile> files;
  for (int index = 0; index < days; ++index) {
    const double date = today - (days - 1) + index;
    const int weekday = DayOfWeek(date);
    if (weekday == 1 || weekday == 7 || IsPublicHoliday(date)) continue;

    std::vector<sPlannedEvent> events;
    for (const sHabit& habit : habits) {
      if (!habit.user->CzasyPracy.CzyDzienPracyTygodnia(weekday)) continue;
      if (habit.holiday_week == index / 7 || dice.Chance(kSickDay)) continue;
      PlanUserDay(habit, dice, events);
    }
    for (const auto& [bus_id, names] : reader_names) {
      if (!dice.Chance(kRefusedAtDoor)) continue;
      events.push_back({{bus_id, dice.Between(0, 1)},
                        0,
                        dice.Between(6 * kHour + 30 * kMinute, 18 * kHour),
                        dice.Chance(kRefusedByPin)});
    }
    std::stable_sort(
        events.begin(), events.end(),
        [](const sPlannedEvent& a, const sPlannedEvent& b) { return a.second < b.second; });

    const cDateTimeFields day = DecodeDateTime(date);
    std::map<int, std::string> lines;
    for (const sPlannedEvent& planned : events) {
      if (planned.second < 0 || planned.second > kLastSecond) continue;
      if (date == today && planned.second > now_second) continue;
      const auto names = reader_names.find(planned.reader.bus_id);
      if (names == reader_names.end()) continue;
      sDeviceEvent event;
      event.user_id = planned.user_id;
      event.when = day;
      event.when.hour = planned.second / kHour;
      event.when.minute = planned.second / kMinute % 60;
      event.when.second = planned.second % kMinute;
      event.reader = planned.reader.port;
      event.by_pin = planned.by_pin;
      event.reader_name = names->second[planned.reader.port == 1 ? 1 : 0];
      lines[planned.reader.bus_id] += FormatEventLine(event);
    }
    for (auto& [bus_id, bytes] : lines) {
      files.push_back({bus_id, EventFileName(day), std::move(bytes)});
    }
  }
  return files;
}

}  // namespace olv
