// scale_icon: writes the program's icon into an icon theme folder in the sizes desktops ask for,
// <folder>/<size>x<size>/apps/almanor.png.
#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: scale_icon <icon.png> <theme folder>\n", stderr);
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull()) {
        std::fprintf(stderr, "scale_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder =
            QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("%1x%1/apps").arg(size));
        if (!QDir().mkpath(folder) ||
            !icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                 .save(QDir(folder).filePath(QStringLiteral("almanor.png")))) {
            std::fprintf(stderr, "scale_icon: cannot write into %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
