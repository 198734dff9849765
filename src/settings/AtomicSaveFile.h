// A QIODevice that saves a file through the ink library's atomic writer.
#pragma once

#include "ink/AtomicFile.h"

#include <QIODevice>
#include <QString>

/// Like QSaveFile, but every write is checked when it happens, the file reaches the disc
/// before it replaces the target, links are followed, special files are refused and an
/// existing target's permissions are kept. Open it WriteOnly, write, then commit(); until
/// commit() succeeds the target stays as it was. errorString() says what went wrong, without
/// the path (reason()) or with it (errorText()).
class AtomicSaveFile : public QIODevice
{
    Q_OBJECT

public:
    explicit AtomicSaveFile(const QString &fileName, QObject *parent = nullptr);
    ~AtomicSaveFile() override;

    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }
    [[nodiscard]] bool commit();
    void cancelWriting();

    QString fileName() const { return m_fileName; }
    /// The bare reason of the last failure, for example "No space left on device".
    QString reason() const;
    /// The failure with the path: "cannot save /a/b.png: No space left on device".
    QString errorText() const;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    QString m_fileName;
    Nivo::AtomicFile m_file;
};

/// Saves bytes to fileName atomically; false with the bare reason (when asked for).
bool saveBytesAtomically(const QString &fileName, const QByteArray &bytes,
                         QString *reason = nullptr);

/// Copies source over target atomically: an existing target is replaced only by a complete
/// copy and stays as it was on any failure. False with the bare reason (when asked for).
bool copyFileAtomically(const QString &source, const QString &target, QString *reason = nullptr);
