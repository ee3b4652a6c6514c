#include "app/GnomeShortcut.h"

#include <QProcess>
#include <QRegularExpression>
#include <cstdio>
#include <stdexcept>

namespace wb {
namespace {

const QString kListSchema = QStringLiteral("org.gnome.settings-daemon.plugins.media-keys");
const QString kListKey = QStringLiteral("custom-keybindings");

QString bindingSchema()
{
    return kListSchema + QStringLiteral(".custom-keybinding:") + QLatin1String(kGnomeBindingPath);
}

// What went wrong, said to the user as it is.
class ShortcutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Failure { Throws, GivesNothing };

QString gsettings(const QStringList& arguments, Failure failure = Failure::Throws)
{
    QProcess process;
    process.start(QStringLiteral("gsettings"), arguments);
    if (!process.waitForStarted())
        throw ShortcutError("gsettings, GNOME's settings tool, cannot be started (package "
                            "libglib2.0-bin): " +
                            process.errorString().toStdString());
    process.closeWriteChannel();
    process.waitForFinished(30'000);
    const bool failed = process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0;
    if (failed && failure == Failure::GivesNothing)
        return {};
    if (failed)
        throw ShortcutError(
            "gsettings " + arguments.join(QLatin1Char(' ')).toStdString() + " failed: " +
            QString::fromLocal8Bit(process.readAllStandardError()).trimmed().toStdString());
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void requireSchema()
{
    // With no schema at all, gsettings fails rather than list none.
    const QString schemas = gsettings({QStringLiteral("list-schemas")}, Failure::GivesNothing);
    if (!schemas.split(QLatin1Char('\n')).contains(kListSchema))
        throw ShortcutError("GNOME's keyboard settings are not installed here (no schema " +
                            kListSchema.toStdString() +
                            "); on another desktop, bind the key in its own settings");
}

QStringList currentPaths()
{
    const QString printed = gsettings({QStringLiteral("get"), kListSchema, kListKey});
    const auto paths = parsePathList(printed);
    if (!paths)
        throw ShortcutError("cannot read GNOME's list of custom keybindings: " +
                            printed.toStdString());
    return *paths;
}

void setPaths(const QStringList& paths)
{
    gsettings({QStringLiteral("set"), kListSchema, kListKey, formatPathList(paths)});
}

template <typename Change> int changing(Change&& change)
{
    try {
        requireSchema();
        change();
        return 0;
    } catch (const ShortcutError& error) {
        std::fprintf(stderr, "woerterbuch: %s\n", error.what());
        return 1;
    }
}

} // namespace

std::optional<QStringList> parsePathList(const QString& printed)
{
    static const QRegularExpression list(QStringLiteral("^(?:@as )?\\[(.*)\\]$"));
    static const QRegularExpression item(QStringLiteral("^'([^'\\\\]*)'$"));
    const auto whole = list.match(printed.trimmed());
    if (!whole.hasMatch())
        return std::nullopt;
    QStringList paths;
    const QString items = whole.captured(1).trimmed();
    if (items.isEmpty())
        return paths;
    for (const QString& entry : items.split(QLatin1Char(','))) {
        const auto quoted = item.match(entry.trimmed());
        if (!quoted.hasMatch())
            return std::nullopt;
        paths << quoted.captured(1);
    }
    return paths;
}

QString formatPathList(const QStringList& paths)
{
    if (paths.isEmpty())
        return QStringLiteral("@as []");
    QStringList quoted;
    for (const QString& path : paths)
        quoted << variantString(path);
    return QLatin1Char('[') + quoted.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString variantString(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

QString shellWord(const QString& path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

int installGnomeShortcut(const QString& program)
{
    return changing([&program] {
        const QString schema = bindingSchema();
        gsettings({QStringLiteral("set"), schema, QStringLiteral("name"),
                   variantString(QStringLiteral("Wörterbuch: Markierten Text nachschlagen"))});
        gsettings({QStringLiteral("set"), schema, QStringLiteral("command"),
                   variantString(shellWord(program) + QStringLiteral(" --selection"))});
        gsettings({QStringLiteral("set"), schema, QStringLiteral("binding"),
                   variantString(QLatin1String(kGnomeBinding))});
        // The binding is complete before GNOME is told where to find it.
        QStringList paths = currentPaths();
        if (!paths.contains(QLatin1String(kGnomeBindingPath)))
            setPaths(paths << QLatin1String(kGnomeBindingPath));
        std::printf("GNOME shortcut Ctrl+Alt+W installed: it runs %s --selection\n"
                    "(Settings > Keyboard > Keyboard Shortcuts > Custom Shortcuts changes the "
                    "key)\n",
                    qPrintable(program));
    });
}

int removeGnomeShortcut()
{
    return changing([] {
        QStringList paths = currentPaths();
        const bool listed = paths.removeAll(QLatin1String(kGnomeBindingPath)) > 0;
        if (listed)
            setPaths(paths);
        for (const char* key : {"name", "command", "binding"})
            gsettings({QStringLiteral("reset"), bindingSchema(), QLatin1String(key)});
        std::printf(listed ? "GNOME shortcut removed\n"
                           : "No GNOME shortcut of Wörterbuch was installed\n");
    });
}

} // namespace wb
