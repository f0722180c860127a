#include "zelDoubleSpinBox.h"

#include <QEvent>
#include <QLocale>

namespace zel {

zelDoubleSpinBox::zelDoubleSpinBox(QWidget* pParent)
    : QDoubleSpinBox(pParent)
{
    // The focus policy carries the state: wheel focus only while the box has the focus.
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);
}

zelDoubleSpinBox::~zelDoubleSpinBox()
{
    removeEventFilter(this);
}

bool zelDoubleSpinBox::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::MouseMove && pEvent->type() != QEvent::Wheel)
        return QObject::eventFilter(pObject, pEvent);

    if (focusPolicy() == Qt::WheelFocus) {
        pEvent->accept();
        return false;
    }
    // Ignored, the wheel travels on to the parents and the page scrolls.
    pEvent->ignore();
    return true;
}

QString zelDoubleSpinBox::textFromValue(double pValue) const
{
    const QLocale shown = locale();
    QString text = shown.toString(pValue, 'f', decimals());
    if (!isGroupSeparatorShown())
        text.remove(shown.groupSeparator());
    const int point = text.indexOf(shown.decimalPoint());
    if (point < 0)
        return text;
    // Digits after the point only: the zero digit and the point differ by locale.
    while (text.endsWith(shown.zeroDigit()))
        text.chop(QString(shown.zeroDigit()).size());
    if (text.size() == point + QString(shown.decimalPoint()).size())
        text.truncate(point);
    return text;
}

void zelDoubleSpinBox::focusInEvent(QFocusEvent* pEvent)
{
    setFocusPolicy(Qt::WheelFocus);
    QDoubleSpinBox::focusInEvent(pEvent);
}

void zelDoubleSpinBox::focusOutEvent(QFocusEvent* pEvent)
{
    setFocusPolicy(Qt::StrongFocus);
    QDoubleSpinBox::focusOutEvent(pEvent);
}

} // namespace zel
