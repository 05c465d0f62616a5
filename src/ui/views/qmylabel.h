#pragma once

#include <QWidget>

class NumberText;
class QLabel;

// One dashboard field: a name label followed by a value label, side by side
// (or one above the other).
class QMyLabel : public QWidget
{
    Q_OBJECT

public:
    explicit QMyLabel(const NumberText &numbers, bool horizontal = true, QWidget *parent = nullptr);
    ~QMyLabel() override;

    void setName(const QString &name);
    // The value text, a blank and the unit; numbers take the decimal comma of the language.
    void setValue(const QString &value, const QString &unit = QString());
    // Empty name, value and unit.
    void clear();

    QString name() const;
    QString valueText() const;

    // Font and style sheet of both labels.
    void setLabelFont(const QFont &font);
    void setLabelStyleSheet(const QString &styleSheet);
    QFont labelFont() const;

private:
    const NumberText &m_numbers;
    QLabel *m_name;
    QLabel *m_value;
};
