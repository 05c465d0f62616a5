#include "ui/views/qmylabel.h"

#include "base/numbertext.h"

#include <QBoxLayout>
#include <QLabel>

QMyLabel::QMyLabel(const NumberText &numbers, bool horizontal, QWidget *parent)
    : QWidget(parent)
    , m_numbers(numbers)
    , m_name(new QLabel(this))
    , m_value(new QLabel(this))
{
    m_name->setObjectName(QStringLiteral("fieldName"));
    m_value->setObjectName(QStringLiteral("fieldValue"));
    auto *layout = new QBoxLayout(horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_name);
    layout->addWidget(m_value);
    m_name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_name->setContentsMargins(0, 0, 12, 0); // the name never touches its value
    m_value->setAlignment((horizontal ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

QMyLabel::~QMyLabel() = default;

void QMyLabel::setName(const QString &name)
{
    m_name->setText(name);
}

void QMyLabel::setValue(const QString &value, const QString &unit)
{
    const QString text = m_numbers.format(value);
    m_value->setText(unit.isEmpty() ? text : text + QLatin1Char(' ') + unit);
}

void QMyLabel::clear()
{
    m_name->clear();
    m_value->clear();
}

QString QMyLabel::name() const
{
    return m_name->text();
}

QString QMyLabel::valueText() const
{
    return m_value->text();
}

void QMyLabel::setLabelFont(const QFont &font)
{
    m_name->setFont(font);
    m_value->setFont(font);
}

void QMyLabel::setLabelStyleSheet(const QString &styleSheet)
{
    m_name->setStyleSheet(styleSheet);
    m_value->setStyleSheet(styleSheet);
}

QFont QMyLabel::labelFont() const
{
    return m_name->font();
}
