#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QLabel;
class QToolButton;

namespace zel {

class ZelSettingsPanel;

// One row of a settings panel as the hosts' settings guide shows it: the control that the
// form marks with the property "settingKey", the label whose buddy it is, the widgets that
// the form marks as its parts ("settingPart" naming the same key), and beside the label the
// guide's marks: changed, not the default, reset to default, and the restart hint of a row
// whose control carries "restartNeeded".
class ZelSettingRow : public QObject
{
    Q_OBJECT

public:
    // The controls of the rows of pPanel, in the order of its form.
    static QList<QWidget*> Controls(const QWidget* pPanel);
    static QString KeyOf(const QWidget* pControl);
    // The row's name: its label's text, else the title of a group box, else the control's
    // accessible name.
    static QString LabelOf(const QWidget* pControl);
    // The text as searched: without case and without accents.
    static QString Fold(const QString& pText);

    // Adds the marks to the panel's form.
    ZelSettingRow(ZelSettingsPanel* pPanel, QWidget* pControl, QObject* pParent = nullptr);
    ~ZelSettingRow() override;

    // Takes the marks out of the form again and puts the label back where it was.
    void removeMarks();

    const QString& key() const { return mKey; }
    QString label() const;
    QString help() const;
    bool needsRestart() const;
    ZelSettingsPanel* panel() const { return mPanel; }
    QWidget* control() const { return mControl; }
    // The widgets that are shown and hidden with the row.
    QList<QWidget*> parts() const;
    // Where the keyboard lands on the row.
    QWidget* focusTarget() const;

    // Whether every word (folded) is found in the label, the tool tip or the key.
    bool matches(const QStringList& pWords) const;
    // Marks the words in the label; no word, no mark.
    void highlight(const QStringList& pWords);

    // Asks the panel for the row's values and shows the marks that follow from them.
    void refresh();
    bool isChanged() const { return mChanged; }
    bool isRestartPending() const { return mChanged && needsRestart(); }
    void retranslate();

Q_SIGNALS:
    // A control of the row changed, whether or not the panel tells of it.
    void edited();

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void addMarks();
    void watch(QWidget* pWidget);
    void showMenu(QWidget* pAt, const QPoint& pGlobalPosition);
    void resetToDefault();
    void updateTips();

    QPointer<ZelSettingsPanel> mPanel;
    QPointer<QWidget> mControl;
    QPointer<QLabel> mLabel;
    // The widget that holds the label and the marks, or the marks alone in the control's
    // own layout.
    QPointer<QWidget> mMarks;
    bool mHoldsLabel = false;
    QPointer<QLabel> mChangedMark;
    QPointer<QLabel> mDefaultMark;
    QPointer<QToolButton> mResetButton;
    QPointer<QLabel> mRestartHint;
    QString mKey;
    // The label's own text, and what the guide put there last.
    QString mPlainText;
    QString mShownText;
    QString mEdited;
    QString mApplied;
    QString mDefault;
    bool mChanged = false;
};

} // namespace zel
