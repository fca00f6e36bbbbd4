#include "app/companionwindow.h"

CompanionWindow::CompanionWindow(const QList<QAction *> &documentActions, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window)
{
    // Closing the main window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    addActions(documentActions);
}

void CompanionWindow::restorePlace(const QByteArray &remembered, const QSize &firstSize)
{
    m_placed = restoreOnAScreen(this, remembered);
    if (!m_placed)
        resize(firstSize);
}

void CompanionWindow::showInFront(Side preferred)
{
    if (!m_placed) {
        placeBeside(this, parentWidget(), preferred);
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void CompanionWindow::hideEvent(QHideEvent *event)
{
    rememberPlace(saveGeometry());
    QWidget::hideEvent(event);
}
