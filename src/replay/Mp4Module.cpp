// MP4 encoders from the video module, loaded on first use.
#include "replay/Mp4Module.h"

#include "replay/ReplayEncoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <memory>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Mp4Encoder)
};

using CreateFunction = ReplayEncoder *(*)();
using NameFunction = const char *(*)();

// The module's entry points once it has been looked for; both null when it was not found,
// and `problem` says why.
struct LoadedModule
{
    CreateFunction create = nullptr;
    NameFunction name = nullptr;
    QString problem;
};

QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

// The folder the environment names, then the executable's own, then the installed
// lib/draftbay/modules beside its bin/.
QStringList moduleFolders()
{
    QStringList folders;
    if (const QString named = qEnvironmentVariable(kModuleFolderVariable); !named.isEmpty())
        folders << named;
    const QDir executable(executableFolder());
    folders << executable.absolutePath()
            << QDir::cleanPath(
                   executable.absoluteFilePath(QStringLiteral("../lib/draftbay/modules")));
    return folders;
}

LoadedModule loadModule()
{
    LoadedModule loaded;
    QStringList tried;
    for (const QString &folder : moduleFolders()) {
        // A loaded library stays loaded for the rest of the run once its QLibrary is gone:
        // encoders made by it may outlive any one caller.
        QLibrary library(QDir(folder).filePath(QString::fromLatin1(kMp4ModuleName)));
        if (!library.load()) {
            tried << library.errorString();
            continue;
        }
        loaded.create
            = reinterpret_cast<CreateFunction>(library.resolve("draftbay_mp4_create_encoder"));
        loaded.name = reinterpret_cast<NameFunction>(library.resolve("draftbay_mp4_encoder_name"));
        if (loaded.create && loaded.name)
            return loaded;
        tried << library.errorString();
        loaded = LoadedModule();
        library.unload();
    }
    loaded.problem = tried.join(QStringLiteral("; "));
    return loaded;
}

// Looked for once, by whichever thread asks first.
const LoadedModule &module()
{
    static const LoadedModule loaded = loadModule();
    return loaded;
}

// Stands in for the encoder when the module is missing: the export fails with the reason.
class MissingMp4Encoder final : public ReplayEncoder
{
public:
    explicit MissingMp4Encoder(const QString &problem)
        : m_problem(problem)
    { }
    bool begin(QSize, int) override
    {
        return fail(Texts::tr("MP4 videos cannot be made: the video module could not be "
                              "loaded (%1).")
                        .arg(m_problem));
    }
    bool addFrame(const QImage &, const QRect &) override { return false; }
    bool finish(QByteArray &) override { return false; }

private:
    QString m_problem;
};

} // namespace

std::unique_ptr<ReplayEncoder> createMp4Encoder()
{
    const LoadedModule &loaded = module();
    if (!loaded.create)
        return std::make_unique<MissingMp4Encoder>(loaded.problem);
    return std::unique_ptr<ReplayEncoder>(loaded.create());
}

QString mp4EncoderName()
{
    const LoadedModule &loaded = module();
    const char *name = loaded.name ? loaded.name() : nullptr;
    return name ? QString::fromLatin1(name) : QString();
}

QString mp4ModuleProblem()
{
    return module().problem;
}
