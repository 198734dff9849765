// The Qt face of the atomic writer.
#include "settings/AtomicSaveFile.h"

#include <QFile>

AtomicSaveFile::AtomicSaveFile(const QString &fileName, QObject *parent)
    : QIODevice(parent)
    , m_fileName(fileName)
    , m_file(QFile::encodeName(fileName).toStdString())
{ }

AtomicSaveFile::~AtomicSaveFile()
{
    cancelWriting();
}

bool AtomicSaveFile::open(OpenMode mode)
{
    if ((mode & ReadOnly) || !(mode & WriteOnly)) {
        setErrorString(QStringLiteral("an atomic file is only written"));
        return false;
    }
    if (!m_file.open()) {
        setErrorString(reason());
        return false;
    }
    // Unbuffered: the writer buffers itself and must see every write to check it.
    return QIODevice::open(mode | Unbuffered);
}

bool AtomicSaveFile::commit()
{
    if (!isOpen())
        return false;
    const bool committed = m_file.commit();
    if (!committed)
        setErrorString(reason());
    QIODevice::close();
    return committed;
}

void AtomicSaveFile::cancelWriting()
{
    m_file.cancel();
    if (isOpen())
        QIODevice::close();
}

QString AtomicSaveFile::reason() const
{
    return QString::fromStdString(m_file.reason());
}

QString AtomicSaveFile::errorText() const
{
    return QString::fromStdString(m_file.errorText());
}

qint64 AtomicSaveFile::readData(char *, qint64)
{
    return -1;
}

qint64 AtomicSaveFile::writeData(const char *data, qint64 size)
{
    if (!m_file.write(data, static_cast<size_t>(size))) {
        setErrorString(reason());
        return -1;
    }
    return size;
}

bool saveBytesAtomically(const QString &fileName, const QByteArray &bytes, QString *reason)
{
    AtomicSaveFile file(fileName);
    const bool saved
        = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!saved) {
        file.cancelWriting();
        if (reason)
            *reason = file.reason();
    }
    return saved;
}

bool copyFileAtomically(const QString &source, const QString &target, QString *reason)
{
    QFile in(source);
    AtomicSaveFile out(target);
    auto failed = [&](const QString &why) {
        out.cancelWriting();
        if (reason)
            *reason = why;
        return false;
    };
    if (!in.open(QIODevice::ReadOnly))
        return failed(in.errorString());
    if (!out.open(QIODevice::WriteOnly))
        return failed(out.reason());
    QByteArray chunk;
    while (!(chunk = in.read(1 << 20)).isEmpty()) {
        if (out.write(chunk) != chunk.size())
            return failed(out.reason());
    }
    if (in.error() != QFileDevice::NoError)
        return failed(in.errorString());
    return out.commit() || failed(out.reason());
}
