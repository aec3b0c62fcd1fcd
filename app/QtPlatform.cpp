#include "QtPlatform.h"

#include "frmSeats.h"

#include <QAccessible>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace {
const char *cueFileName(Prompts::Cue cue)
{
    switch (cue) {
    case Prompts::Cue::DieRoll: return "DieRoll.wav";
    case Prompts::Cue::Kelbrune: return "Kelbrune!.wav";
    case Prompts::Cue::GameOver: return "GameOver.wav";
    }
    return "";
}

// Without a sound server the sound effects say so on every load; the game is silent then, and
// that is all a player needs to notice.
QtMessageHandler g_nextHandler = nullptr;

void quietAboutMissingSound(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg
        && (text.startsWith(QLatin1String("PulseAudioService: "))
            || text == QLatin1String("No audio device detected")))
        return;
    if (g_nextHandler)
        g_nextHandler(type, context, text);
}
}  // namespace

QtPlatform::QtPlatform()
{
    if (!g_nextHandler)
        g_nextHandler = qInstallMessageHandler(quietAboutMissingSound);
    const auto now = quint64(QDateTime::currentMSecsSinceEpoch());
    std::seed_seq seed{quint32(now), quint32(now >> 32)};
    m_random.seed(seed);
}

QtPlatform::~QtPlatform()
{
    for (QSoundEffect *e : m_effects)
        delete e;
}

bool QtPlatform::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text,
                    QMessageBox::Yes | QMessageBox::No, m_window);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::tell(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, m_window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtPlatform::inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText)
{
    QInputDialog box(m_window);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(defaultText.left(kMaxNameLength));
    // The box's own line edit; it exists once the text mode is set.
    if (auto *edit = box.findChild<QLineEdit *>())
        edit->setMaxLength(kMaxNameLength);
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue();
}

QString QtPlatform::startPath() const
{
    if (!m_lastPath.isEmpty())
        return m_lastPath;
    // The first dialog opens where a player keeps documents, not wherever the game was started.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString QtPlatform::openFileName(const QString &filter)
{
    const QString path = QFileDialog::getOpenFileName(m_window, QString(), startPath(), filter);
    if (!path.isEmpty())
        m_lastPath = path;
    return path;
}

QString QtPlatform::saveFileName(const QString &filter)
{
    QFileDialog dialog(m_window, QString(), startPath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The game asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without an ending gets the one the Load dialog shows.
    dialog.setDefaultSuffix(QStringLiteral("sav"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    m_lastPath = path;
    return path;
}

std::optional<std::vector<Seat>> QtPlatform::askSeats(const std::vector<Seat> &offered)
{
    frmSeats dialog(offered, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.seats();
}

bool QtPlatform::modalOpen()
{
    return QApplication::activeModalWidget() != nullptr;
}

QString QtPlatform::cuePath(const QString &fileName)
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString beside = dir + QStringLiteral("/Media/") + fileName;
    if (QFileInfo::exists(beside))
        return beside;
    return dir + QStringLiteral("/../share/kelbrune/Media/") + fileName;
}

QSoundEffect *QtPlatform::effect(Cue cue)
{
    const auto i = std::size_t(cue);
    if (!m_effects[i] && !m_missing[i]) {
        const QString path = cuePath(QString::fromLatin1(cueFileName(cue)));
        if (!QFileInfo(path).isFile()) {
            m_missing[i] = true;
        } else {
            m_effects[i] = new QSoundEffect;
            m_effects[i]->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
        }
    }
    return m_effects[i];
}

void QtPlatform::preloadCues()
{
    for (Cue cue : {Cue::DieRoll, Cue::Kelbrune, Cue::GameOver})
        effect(cue);
}

void QtPlatform::playCue(Cue cue)
{
    QSoundEffect *e = effect(cue);
    if (!e || e->status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    // A new cue cuts the one before it short, as a rapid second roll should sound.
    if (e->isPlaying())
        e->stop();
    e->play();
}

void QtPlatform::schedule(QObject *context, int ms, std::function<void()> call)
{
    QTimer::singleShot(ms, context, std::move(call));
}

quint64 QtPlatform::randomSeed()
{
    return QRandomGenerator::global()->generate64();
}

double QtPlatform::random()
{
    // The top 53 bits as a fraction: exactly uniform on [0, 1), never 1.
    return double(m_random() >> 11) * 0x1.0p-53;
}

bool QtPlatform::screenReaderOn()
{
    return QAccessible::isActive();
}

void QtPlatform::quit()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}
