#include "data/clsPasswordFunctions.h"

#include "data/clsPathFunctions.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"

namespace {

constexpr int kLettersBefore = 15786;
constexpr int kLettersInAll = 30001;

QChar randomLetter(RandomSource& random)
{
    const bool capital = random.next() > 0.5;
    const int index = static_cast<int>(Numbers::intFloor(random.next() * 25));
    return QChar((capital ? u'A' : u'a') + index);
}

} // namespace

bool clsPasswordFunctions::isStorable(const QString& password)
{
    if (password.size() > kMaxLength)
        return false;
    for (const QChar c : password) {
        if (!c.isLetter() && !c.isDigit())
            return false;
    }
    return true;
}

void clsPasswordFunctions::SaveIntoFile(const QString& path) const
{
    if (!isStorable(m_password))
        throw RuntimeError(ErrorKind::Argument,
                           QStringLiteral("A password can hold at most %1 letters or digits; the old password is kept.")
                               .arg(kMaxLength));
    RandomSource& random = Random::get();
    QString line;
    line.reserve(kLettersInAll + 1 + m_password.size());
    for (int i = 0; i < kLettersInAll; ++i) {
        if (i == kLettersBefore)
            line += QString::number(m_password.size()) + m_password;
        line += randomLetter(random);
    }
    SequentialFile file(path, SequentialFile::Mode::Output);
    file.restrictToOwner();
    file.writeLine(line);
    file.close();
}

void clsPasswordFunctions::LoadFromFile(const QString& path)
{
    if (!clsPathFunctions::checkIfFileExists(path, 0)) {
        m_password.clear();
        return;
    }
    // The start-up stops on this error and shows its text: it names the file.
    const auto damaged = [&path](const QString& why) {
        return RuntimeError(ErrorKind::Conversion,
                            QStringLiteral("The password file %1 is damaged: %2.").arg(Paths::resolve(path), why));
    };
    SequentialFile file(path, SequentialFile::Mode::Input);
    if (file.eof())
        throw damaged(QStringLiteral("it is empty"));
    QString line = file.readLine();
    file.close();
    // The line is one delimited item: it ends at a comma.
    const qsizetype comma = line.indexOf(u',');
    if (comma >= 0)
        line.truncate(comma);
    if (line.size() <= kLettersBefore || !line[kLettersBefore].isDigit() || line[kLettersBefore].unicode() > u'9')
        throw damaged(QStringLiteral("there is no password length at character %1").arg(kLettersBefore + 1));
    const int n = line[kLettersBefore].unicode() - u'0';
    m_password = line.mid(kLettersBefore + 1, n);
}
