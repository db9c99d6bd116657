#pragma once

#include <QString>
#include <deque>
#include <vector>

// The one seam through which the program talks to the operator: every message box and
// question goes through it, so tests can read what was said and answer in its place.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box with OK only.
    virtual void message(const QString& title, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
};

// Keeps every (title, text) and answers questions from a script; unanswered questions get No.
class RecordingDialogs : public Dialogs {
public:
    struct Entry {
        QString title;
        QString text;
        bool question = false;
    };

    void message(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;

    void answerNext(bool yes) { m_answers.push_back(yes); }
    const std::vector<Entry>& entries() const { return m_entries; }
    // The texts only, in order; handy in assertions.
    std::vector<QString> texts() const;
    // The last entry's text, or an empty text.
    QString lastText() const;
    QString lastTitle() const;
    void clear() { m_entries.clear(); }

private:
    std::vector<Entry> m_entries;
    std::deque<bool> m_answers;
};

// Headless runs (the benchmark): messages go to standard error, questions are answered No.
class StderrDialogs : public Dialogs {
public:
    void message(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;
    int count() const { return m_count; }

private:
    int m_count = 0;
};
