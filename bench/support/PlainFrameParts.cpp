#include "PlainFrameParts.h"

#include "BenchSteps.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtMath>

#include <memory>

void PlainFrameParts::record(QWidget* pTop, QWidget* pStart)
{
    mTop = pTop;
    mStart = pStart;
    mStarted = !pStart;
    qApp->installEventFilter(this);
}

void PlainFrameParts::stop()
{
    qApp->removeEventFilter(this);
    mTop = nullptr;
    mStart = nullptr;
}

QString PlainFrameParts::describe() const
{
    return QStringLiteral("push buttons: %1, frames drawn with a drop shadow: %2")
        .arg(mButtons.size())
        .arg(mShadowed.size());
}

bool PlainFrameParts::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pObject == mStart && pEvent->type() == QEvent::Hide)
        mStarted = true;
    if (!mStarted || pEvent->type() != QEvent::Paint || !pObject->isWidgetType()
        || mSeen.contains(pObject))
        return false;
    auto* widget = static_cast<QWidget*>(pObject);
    if (!mTop || (widget != mTop && !mTop->isAncestorOf(widget)))
        return false;
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        mSeen.append(pObject);
        mButtons.append({button->size(), button->text()});
    } else if (auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(widget->graphicsEffect())) {
        mSeen.append(pObject);
        mShadowed.append({widget->size(), shadow->blurRadius(), shadow->offset(), shadow->color(),
                          WidgetCensus::Take(widget)});
    }
    return false;
}

namespace {

// A plain form with the controls that pHolds counts, each on a row with a label.
void FillForm(QFrame* pFrame, const WidgetCensus& pHolds)
{
    auto* form = new QFormLayout(pFrame);
    int labels = pHolds.mLabels;
    const auto row = [&](QWidget* pControl) {
        form->addRow(labels-- > 0 ? QStringLiteral("Setting") : QString(), pControl);
    };
    for (int i = 0; i < pHolds.mCheckBoxes; ++i)
        row(new QCheckBox);
    for (int i = 0; i < pHolds.mSpinBoxes; ++i)
        row(new QSpinBox);
    for (int i = 0; i < pHolds.mComboBoxes; ++i) {
        auto* combo = new QComboBox;
        combo->addItem(QStringLiteral("Choice"));
        row(combo);
    }
    for (int i = 0; i < pHolds.mLineEdits; ++i)
        row(new QLineEdit);
    for (; labels > 0; --labels)
        form->addRow(new QLabel(QStringLiteral("Setting")));
}

} // namespace

bool PlainFrameParts::measure(Measure& pPaint) const
{
    auto canvas = std::make_unique<QWidget>();
    int y = 0;
    int width = 0;
    for (const Button& part : mButtons) {
        auto* button = new QPushButton(part.mText, canvas.get());
        button->setGeometry(0, y, part.mSize.width(), part.mSize.height());
        y += part.mSize.height();
        width = qMax(width, part.mSize.width());
    }
    for (const Shadowed& part : mShadowed) {
        auto* frame = new QFrame(canvas.get());
        FillForm(frame, part.mHolds);
        auto* shadow = new QGraphicsDropShadowEffect(frame);
        shadow->setBlurRadius(part.mBlurRadius);
        shadow->setOffset(part.mOffset);
        shadow->setColor(part.mColor);
        frame->setGraphicsEffect(shadow);
        frame->setGeometry(0, y, part.mSize.width(), part.mSize.height());
        y += part.mSize.height() + 2 * qCeil(part.mBlurRadius);
        width = qMax(width, part.mSize.width());
    }
    canvas->resize(qMax(width, 1), qMax(y, 1));
    Laps shown;
    shown.start();
    if (!BenchSteps::ShowAndPaint(canvas.get(), shown, QStringLiteral("shown")))
        return false;
    const Stamp start = Now();
    canvas->repaint();
    pPaint.add(Span::Between(start, Now()));
    return true;
}
