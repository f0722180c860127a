#include "kmMessageBox.h"

#include <QAbstractButton>
#include <QVariant>

namespace km {

namespace {

void applyTexts(QMessageBox& pBox, const kmMessageBox::ButtonTexts& pTexts)
{
    for (auto it = pTexts.constBegin(); it != pTexts.constEnd(); ++it) {
        if (QAbstractButton* button = pBox.button(it.key()))
            button->setText(it.value());
    }
}

} // namespace

QMessageBox::StandardButton kmMessageBox::ShowMessage(const QString& pTitle,
                                                      const QString& pText,
                                                      QMessageBox::StandardButtons pButtons,
                                                      QWidget* pParent,
                                                      const QString& pButtonClass,
                                                      bool pWarning, const ButtonTexts& pTexts,
                                                      const ButtonTexts& pOverrides)
{
    QMessageBox box(pParent);
    box.setObjectName(QStringLiteral("kmMessageBox"));
    box.setProperty("class", QStringLiteral("messageBox"));
    box.setWindowTitle(pTitle);
    box.setText(pText);
    box.setIcon(pWarning ? QMessageBox::Warning : QMessageBox::NoIcon);
    // A box without buttons could not be answered.
    box.setStandardButtons(pButtons ? pButtons : QMessageBox::StandardButtons(QMessageBox::Ok));

    const QList<QAbstractButton*> buttons = box.buttons();
    for (QAbstractButton* button : buttons)
        button->setProperty("class", pButtonClass);
    applyTexts(box, pTexts);
    applyTexts(box, pOverrides);

    box.exec();
    // Closed without a press (reject from code, a window manager close with no escape
    // button): NoButton, which no caller mistakes for a choice.
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : QMessageBox::NoButton;
}

} // namespace km
