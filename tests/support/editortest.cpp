#include "support/editortest.h"

#include "gamereading/gamecheck.h"
#include "support/testfiles.h"

#include <QComboBox>
#include <QTest>

const ShownMessage EditorTest::ReallyLoad{
        QStringLiteral("Unsaved changes have been made. Really Load?"),
        QStringLiteral("Really Load?"), MessageIcon::Warning, MessageButtons::YesNoDefaultNo};

ShownMessage EditorTest::changedOnDisk(const QString &shownPath)
{
    return {u'\'' + shownPath
                    + QStringLiteral("' has been changed by another program since Varnel read it. "
                                     "Overwrite it?"),
            QStringLiteral("Save"), MessageIcon::Warning, MessageButtons::YesNoDefaultNo};
}

bool EditorTest::createEditor()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_fake = std::make_unique<FakePlatform>();
    // Most test documents hold names the game does not know.
    m_fake->dialogs.passedQuestions = {gameCheckTitle()};
    m_fake->shippedFilesFolder = path(QStringLiteral("program"));
    // No game installed for the user, whatever this machine holds.
    m_fake->folders = {path(QStringLiteral("home")), path(QStringLiteral("home/.wine"))};
    m_dataDir = std::make_unique<QTemporaryDir>();
    m_versions = std::make_unique<VersionHistory>(m_dataDir->path());
    m_editor = std::make_unique<Editor>();
    m_files = std::make_unique<FileCommands>(*m_editor, m_fake->platform(), *m_versions);
    m_window = std::make_unique<FrmMain>(*m_editor, *m_files, m_fake->platform());
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.get());
}

void EditorTest::destroyEditor()
{
    m_window.reset();
    m_files.reset();
    m_editor.reset();
    m_versions.reset();
    m_dataDir.reset();
    m_fake.reset();
    m_dir.reset();
}

void EditorTest::loadFolder(const QString &typed)
{
    const bool asks = m_editor->isModified();
    const qsizetype shown = m_fake->dialogs.messages.size();
    m_fake->dialogs.inputAnswers << typed;
    action("mnuload")->trigger();
    m_files->finishReadingZones();
    if (!asks)
        return;
    QCOMPARE(m_fake->dialogs.messages.value(shown), ReallyLoad);
    m_fake->dialogs.messages.removeAt(shown);
}

QString EditorTest::loadGame(const QByteArray &bytes)
{
    const QString game = makeGameFolder(m_dir->path(), bytes);
    loadFolder(game);
    return game;
}

void EditorTest::forgetDialogs()
{
    m_fake->dialogs.inputs.clear();
    m_fake->dialogs.messages.clear();
}

QStringList EditorTest::slotTexts() const
{
    QStringList texts;
    for (int slot = 0; slot < SlotCount; ++slot)
        texts << cmbped(slot)->currentText();
    return texts;
}
