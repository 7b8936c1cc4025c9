// Reading printed PDFs in tests with poppler's tools: page count, text, a page as a picture.
#pragma once
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace pdftools {

// Where the tests keep printed pages and screen pictures for looking at them (build/tests/printing).
inline QString keptFile(const QString& name) {
    QDir().mkpath(QStringLiteral(ORVANTA_BIN_DIR "/../tests/printing"));
    return QStringLiteral(ORVANTA_BIN_DIR "/../tests/printing/") + name;
}

// Standard output of a tool run on a file ("" when it cannot run).
inline QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Pages of the file, -1 when pdfinfo cannot tell.
inline int pages(const QString& pdf) {
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(u'\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// Text of one page (0: every page, separated by form feeds), laid out as printed.
inline QString text(const QString& pdf, int page = 0) {
    QStringList args{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    return run(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-"));
}

// One page (from 1) rendered at the resolution given; a null image when it cannot be rendered.
inline QImage pageImage(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                     QString::number(page), QStringLiteral("-l"), QString::number(page),
                                     QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

} // namespace pdftools
