#pragma once

#include <QString>

#include <atomic>

// Numbers as the window shows them: with a decimal comma instead of the point
// while the chosen language writes one (Italian, Spanish, French, German).
// The start-up sets the mark; any thread may read it.
class NumberText
{
public:
    bool decimalComma() const { return m_decimalComma.load(); }
    void setDecimalComma(bool on) { m_decimalComma.store(on); }

    QString format(const QString &text) const;
    QString format(double value, char format = 'g', int precision = 6) const;
    // An entered number, with either decimal mark; nothing valid gives ok = false.
    double parse(const QString &text, bool *ok) const;

private:
    std::atomic<bool> m_decimalComma{false};
};
