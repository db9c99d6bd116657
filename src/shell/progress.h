#pragma once

#include <QString>

// Long operations report through this seam; windows bind it to a bar and a caption and
// repaint without letting user input through.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual int value() const = 0;
    virtual void setStatus(const QString& text) = 0;
};

// Keeps the last state; used headless and by tests that look at the final state.
class SilentProgress : public Progress {
public:
    void setRange(int minimum, int maximum) override { m_min = minimum; m_max = maximum; }
    void setValue(int value) override { m_value = value; }
    int value() const override { return m_value; }
    void setStatus(const QString& text) override { m_status = text; }
    const QString& status() const { return m_status; }
    int maximum() const { return m_max; }
    int minimum() const { return m_min; }

private:
    int m_min = 0;
    int m_max = 0;
    int m_value = 0;
    QString m_status;
};
