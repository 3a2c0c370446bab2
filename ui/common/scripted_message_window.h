// A message window for tests: it shows nothing, records every text it is given
// and answers the questions from a script.
//
// Callers must guarantee: every question asked has an answer queued; an
// unscripted question answers kOdpowiedzNie (the safe refusal) and is counted,
// so a test can fail on it.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/common/message_window.h"

namespace olv {

class cScriptedMessageWindow : public cMessageWindow {
 public:
  struct cQuestion {
    std::string title;
    std::string text;
    std::string first;
    std::string second;
  };

  // Queues the answer to the next question (kOdpowiedzTak, kOdpowiedzNie, or
  // kOdpowiedzAnuluj for QuestionOrCancel).
  void Answer(int answer) { mAnswers.push_back(answer); }

  void Information(const std::string& text) override { mInformations.push_back(text); }
  // The text is recorded as an information, the details beside it.
  void InformationWithDetails(const std::string& text, const std::string& details) override {
    mInformations.push_back(text);
    mDetails.push_back(details);
  }
  int Question(const std::string& title, const std::string& text, const std::string& first,
               const std::string& second) override {
    mQuestions.push_back({title, text, first, second});
    if (mAnswers.empty()) {
      ++mUnscripted;
      return kOdpowiedzNie;
    }
    const int answer = mAnswers.front();
    mAnswers.pop_front();
    return answer;
  }

  // Recorded with the questions; "Anuluj" only when scripted.
  int QuestionOrCancel(const std::string& title, const std::string& text, const std::string& first,
                       const std::string& second) override {
    return Question(title, text, first, second);
  }

  const std::vector<std::string>& Informations() const { return mInformations; }
  // The details of every InformationWithDetails, in order.
  const std::vector<std::string>& Details() const { return mDetails; }
  const std::vector<cQuestion>& Questions() const { return mQuestions; }
  int Unscripted() const { return mUnscripted; }

 private:
  std::deque<int> mAnswers;
  std::vector<std::string> mInformations;
  std::vector<std::string> mDetails;
  std::vector<cQuestion> mQuestions;
  int mUnscripted = 0;
};

}  // namespace olv
