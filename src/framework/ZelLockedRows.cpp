#include "ZelLockedRows.h"

#include "ZelManagedSettings.h"
#include "ZelSettingRow.h"
#include "ZelSettingsPanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVariant>

namespace zel {

namespace {

const char kPartProperty[] = "settingPart";
const char kLockedProperty[] = "zelLocked";
const char kClassProperty[] = "class";
const char kHolderName[] = "lockedRowLabel";

QLabel* BuddyLabel(const QWidget* pPanel, const QWidget* pControl)
{
    const QList<QLabel*> labels = pPanel->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->buddy() == pControl)
            return label;
    }
    return nullptr;
}

// A padlock as tall as the text beside it, in the label's text colour: no font is needed.
QPixmap LockPixmap(const QWidget* pBeside)
{
    const int height = pBeside->fontMetrics().height();
    const qreal ratio = pBeside->devicePixelRatioF();
    QPixmap pixmap(QSize(height, height) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = pBeside->palette().color(QPalette::WindowText);
    const qreal unit = height / 16.0;
    painter.setPen(QPen(colour, 1.6 * unit));
    painter.drawArc(QRectF(5 * unit, 2 * unit, 6 * unit, 8 * unit), 0, 180 * 16);
    painter.drawLine(QPointF(5 * unit, 6 * unit), QPointF(5 * unit, 8 * unit));
    painter.drawLine(QPointF(11 * unit, 6 * unit), QPointF(11 * unit, 8 * unit));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(3.5 * unit, 7.5 * unit, 9 * unit, 7 * unit), unit, unit);
    return pixmap;
}

} // namespace

ZelLockedRows::ZelLockedRows(ZelSettingsPanel* pPanel) : QObject(pPanel), mPanel(pPanel)
{
    setObjectName(QStringLiteral("zelLockedRows"));
}

void ZelLockedRows::Update(ZelSettingsPanel* pPanel)
{
    if (!pPanel)
        return;
    auto* rows = pPanel->findChild<ZelLockedRows*>(QStringLiteral("zelLockedRows"),
                                                   Qt::FindDirectChildrenOnly);
    if (!rows) {
        // Most seats lock nothing: a panel without a locked row gets nothing.
        if (ZelManagedSettings::Current().lockedKeys().isEmpty())
            return;
        const ZelManagedSettings& managed = ZelManagedSettings::Current();
        const QList<QWidget*> controls = ZelSettingRow::Controls(pPanel);
        const bool anyLocked =
            std::any_of(controls.begin(), controls.end(), [&managed](const QWidget* pControl) {
                return managed.isLocked(ZelSettingRow::KeyOf(pControl));
            });
        if (!anyLocked)
            return;
        rows = new ZelLockedRows(pPanel);
    }
    rows->update();
}

QString ZelLockedRows::LockTip()
{
    return QCoreApplication::translate("ZelLockedRows", "Set by your administrator");
}

void ZelLockedRows::update()
{
    // What was locked before is given back first; the lock may have been lifted.
    for (Row& row : mRows) {
        for (const QPointer<QWidget>& widget : std::as_const(row.mWidgets)) {
            if (widget) {
                widget->setProperty(kLockedProperty, QVariant());
                widget->setEnabled(true);
            }
        }
        if (row.mMark)
            row.mMark->hide();
    }
    QList<Row> previous = mRows;
    mRows.clear();

    const ZelManagedSettings& managed = ZelManagedSettings::Current();
    const QList<QWidget*> controls = ZelSettingRow::Controls(mPanel);
    for (QWidget* control : controls) {
        const QString key = ZelSettingRow::KeyOf(control);
        if (!managed.isLocked(key))
            continue;
        Row row{key, {control}, nullptr};
        const QList<QWidget*> widgets = mPanel->findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            if (widget->property(kPartProperty).toString() == key
                && widget->objectName() != QLatin1String(kHolderName))
                row.mWidgets.append(widget);
        }
        for (const Row& old : std::as_const(previous)) {
            if (old.mKey == key)
                row.mMark = old.mMark;
        }
        if (!row.mMark)
            row.mMark = addMark(control, key);
        if (row.mMark)
            row.mMark->show();
        for (const QPointer<QWidget>& widget : std::as_const(row.mWidgets)) {
            widget->setProperty(kLockedProperty, true);
            widget->removeEventFilter(this);
            widget->installEventFilter(this);
            widget->setEnabled(false);
        }
        mRows.append(row);
    }
}

QLabel* ZelLockedRows::addMark(QWidget* pControl, const QString& pKey)
{
    QLabel* label = BuddyLabel(mPanel, pControl);
    QWidget* labelParent = label ? label->parentWidget() : nullptr;
    if (!labelParent || !labelParent->layout())
        return nullptr;
    // The label and its mark take the label's place in the form.
    auto* holder = new QWidget(labelParent);
    holder->setObjectName(QLatin1String(kHolderName));
    // Shown and hidden with the row when the settings guide filters the rows.
    holder->setProperty(kPartProperty, pKey);
    const bool labelHidden = label->isHidden();
    QLayoutItem* replaced = labelParent->layout()->replaceWidget(label, holder);
    if (!replaced) {
        delete holder;
        return nullptr;
    }
    delete replaced;
    auto* line = new QHBoxLayout(holder);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(4);
    line->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    line->addWidget(label);
    label->setHidden(false);
    holder->setHidden(labelHidden);

    auto* mark = new QLabel(holder);
    mark->setObjectName(QStringLiteral("lockedMark"));
    mark->setProperty(kClassProperty, QStringLiteral("settingMark lockedMark"));
    mark->setPixmap(LockPixmap(label));
    mark->setToolTip(LockTip());
    mark->setAccessibleName(LockTip());
    line->addWidget(mark);
    line->addStretch();
    return mark;
}

bool ZelLockedRows::isLocked(const QWidget* pWidget)
{
    return pWidget->property(kLockedProperty).toBool();
}

bool ZelLockedRows::eventFilter(QObject* pObject, QEvent* pEvent)
{
    auto* widget = qobject_cast<QWidget*>(pObject);
    if (widget && isLocked(widget)) {
        // The panel enables its controls as its own state asks; a locked one stays off.
        if (pEvent->type() == QEvent::EnabledChange && widget->isEnabled())
            widget->setEnabled(false);
        if (pEvent->type() == QEvent::LanguageChange) {
            for (const Row& row : std::as_const(mRows)) {
                if (row.mMark) {
                    row.mMark->setToolTip(LockTip());
                    row.mMark->setAccessibleName(LockTip());
                }
            }
        }
    }
    return QObject::eventFilter(pObject, pEvent);
}

} // namespace zel
