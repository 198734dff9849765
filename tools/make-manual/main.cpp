// make-manual: turns the HTML user's manual into the PDF the Help menu opens.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-manual IN.html OUT.pdf\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make-manual: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    const QString html = QString::fromUtf8(in.readAll());
    // Pictures are named relative to the HTML file, as a browser would take them; each is
    // handed to the document before it lays out, and a missing one fails the build.
    const QDir folder = QFileInfo(in.fileName()).absoluteDir();
    const QRegularExpression picture(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]+)\""));
    for (const QRegularExpressionMatch &match : picture.globalMatch(html)) {
        const QString name = match.captured(1);
        const QImage image(folder.filePath(name));
        if (image.isNull()) {
            std::fprintf(stderr, "make-manual: cannot read the picture %s\n", qPrintable(name));
            return 1;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    }
    document.setHtml(html);
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20)));
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Quillo Draftbay"));
    document.print(&writer);
    return QFile::exists(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
