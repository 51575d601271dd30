#include "exchange/Admin.h"

#include "controls/FontHelper.h"
#include "data/clsDefaultListFileHandler.h"
#include "data/clsListCompare.h"
#include "host/PageAction.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace {

constexpr int kMargin = 10;
constexpr int kLabelWidth = 100;
constexpr int kBoxWidth = 320;
constexpr int kRowHeight = 25;
constexpr int kRowStep = 30;

const QString kCrLf = QStringLiteral("\r\n");

enum class Use {
    Read,  // read, and created empty when missing
    Write, // replaced
};

// What stands in the way of using the typed path, or nothing. The list
// reader takes a hidden file for a missing one and would write it empty, so
// such a file counts as unreadable.
std::optional<QString> refusal(const QString& caption, const QString& typed, Use use)
{
    if (typed.trimmed().isEmpty())
        return caption + QStringLiteral(": kein Pfad angegeben.");
    const QString path = Paths::resolve(typed);
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const bool folderWritable = folder.isDir() && folder.isWritable();
    const QString named = kCrLf + path;
    if (file.exists()) {
        if (use == Use::Read && (!file.isFile() || file.isHidden() || !file.isReadable()))
            return caption + QStringLiteral(": Datei kann nicht gelesen werden.") + named;
        if (use == Use::Write && (!file.isFile() || !file.isWritable() || !folderWritable))
            return caption + QStringLiteral(": Datei kann nicht geschrieben werden.") + named;
        return std::nullopt;
    }
    if (!folderWritable)
        return caption + (use == Use::Read ? QStringLiteral(": Datei kann nicht angelegt werden.")
                                           : QStringLiteral(": Datei kann nicht geschrieben werden.")) +
               named;
    return std::nullopt;
}

void showBox(const QString& text) { Messages::get().messageBox(text, MsgButtons::Ok); }

QLabel* makeLabel(QWidget* parent, const char* name, const char* caption, int top)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(kMargin, top, kLabelWidth, kRowHeight);
    return label;
}

QLineEdit* makeBox(QWidget* parent, const char* name, int left, int top, int width)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(left, top, width, kRowHeight);
    return box;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, int top)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(FontHelper::buttonFont());
    button->setGeometry(kMargin + kLabelWidth + 5, top, kBoxWidth, kRowHeight);
    return button;
}

} // namespace

Admin::Admin(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Admin"));
    setWindowTitle(QStringLiteral("Admin-Tools"));
    setFont(FontHelper::labelFont());
    const int boxLeft = kMargin + kLabelWidth + 5;
    int top = kMargin;
    m_label1 = makeLabel(this, "Label1", "Liste A-Pfad", top);
    m_text1 = makeBox(this, "Text1", boxLeft, top, kBoxWidth);
    top += kRowStep;
    m_label2 = makeLabel(this, "Label2", "Liste B-Pfad", top);
    m_text2 = makeBox(this, "Text2", boxLeft, top, kBoxWidth);
    top += kRowStep;
    m_label3 = makeLabel(this, "Label3", "Export-Pfad", top);
    m_text3 = makeBox(this, "Text3", boxLeft, top, kBoxWidth);
    top += kRowStep;
    m_command1 = makeButton(this, "Command1", "Zusammenfügen", top);
    top += kRowStep + 15;
    m_text4 = makeBox(this, "Text4", kMargin, top, kLabelWidth + 5 + kBoxWidth);
    top += kRowStep;
    m_command2 = makeButton(this, "Command2", "Wieviele Zeilen in Datei", top);
    top += kRowHeight + kMargin;
    setFixedSize(kMargin + kLabelWidth + 5 + kBoxWidth + kMargin, top);

    connect(m_command1, &QPushButton::clicked, this, &Admin::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Admin::Command2_Click);
}

void Admin::Command1_Click()
{
    const QString a = m_text1->text();
    const QString b = m_text2->text();
    const QString out = m_text3->text();
    // Every path is checked first, so that a refused one leaves every file as it was.
    for (const std::optional<QString>& why :
         {refusal(m_label1->text(), a, Use::Read), refusal(m_label2->text(), b, Use::Read),
          refusal(m_label3->text(), out, Use::Write)}) {
        if (why) {
            showBox(*why);
            return;
        }
    }
    // The export file is replaced whole or not at all.
    runAction(
        [&] {
            clsListCompare merge;
            merge.FusionOfAandB(Paths::resolve(a), Paths::resolve(b), Paths::resolve(out));
        },
        [&](const RuntimeError& e) { showBox(QStringLiteral("Zusammenfügen fehlgeschlagen: ") + e.message()); });
}

void Admin::Command2_Click()
{
    const QString path = m_text4->text();
    if (const std::optional<QString> why = refusal(QStringLiteral("Datei"), path, Use::Read)) {
        showBox(*why);
        return;
    }
    clsDefaultListFileHandler lines;
    if (!runAction([&] { lines.Load(Paths::resolve(path), true, true); },
                   [&](const RuntimeError& e) { showBox(QStringLiteral("Zählen fehlgeschlagen: ") + e.message()); }))
        return;
    showBox(QString::number(lines.getListSize()));
}
