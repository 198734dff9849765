// Registry keys in memory, with the classes merge and the 32-bit view of 64-bit Windows.
#include "settings/MemoryRegistry.h"

namespace {

const QString kClasses = QStringLiteral("Software\\Classes");
const QString kWow64 = QStringLiteral("Wow6432Node");

QStringList partsOf(const QString &path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

void addName(QStringList &names, const QString &name)
{
    if (!names.contains(name, Qt::CaseInsensitive))
        names.append(name);
}

// The path a 32-bit program on a 64-bit system reaches for path under root.
QString thirtyTwoBitPath(RegistryRoot root, const QString &path)
{
    QStringList parts = partsOf(path);
    if (root == RegistryRoot::ClassesRoot) {
        if (parts.isEmpty() || parts.first().compare(kWow64, Qt::CaseInsensitive) != 0)
            parts.prepend(kWow64);
    } else if (root == RegistryRoot::LocalMachine && !parts.isEmpty()
               && parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0
               && (parts.size() < 2 || parts[1].compare(kWow64, Qt::CaseInsensitive) != 0)) {
        parts.insert(1, kWow64);
    }
    return parts.join(QLatin1Char('\\'));
}

} // namespace

std::optional<QString> RegistryKey::value(const QString &name) const
{
    for (const RegistryValue &each : values) {
        if (each.name.compare(name, Qt::CaseInsensitive) == 0)
            return each.data;
    }
    return std::nullopt;
}

QString MemoryRegistry::storedPath(RegistryRoot root, const QString &path)
{
    QStringList parts = partsOf(path);
    parts.prepend(root == RegistryRoot::CurrentUser ? QStringLiteral("HKCU")
                                                    : QStringLiteral("HKLM"));
    return parts.join(QLatin1Char('\\')).toLower();
}

MemoryRegistry::Node &MemoryRegistry::node(RegistryRoot root, const QString &path)
{
    if (root == RegistryRoot::ClassesRoot)
        return node(RegistryRoot::LocalMachine, kClasses + QLatin1Char('\\') + path);
    const QStringList parts = partsOf(path);
    Node *current = &m_nodes[storedPath(root, {})];
    for (qsizetype depth = 0; depth < parts.size(); ++depth) {
        addName(current->subkeys, parts[depth]);
        current = &m_nodes[storedPath(root, parts.mid(0, depth + 1).join(QLatin1Char('\\')))];
    }
    return *current;
}

void MemoryRegistry::addKey(RegistryRoot root, const QString &path)
{
    node(root, path);
}

void MemoryRegistry::setValue(RegistryRoot root, const QString &path, const QString &name,
                              const QString &data)
{
    Node &key = node(root, path);
    for (RegistryValue &each : key.values) {
        if (each.name.compare(name, Qt::CaseInsensitive) == 0) {
            each.data = data;
            return;
        }
    }
    key.values.append({name, data});
}

std::optional<RegistryKey> MemoryRegistry::storedKey(RegistryRoot root, const QString &path) const
{
    const auto found = m_nodes.constFind(storedPath(root, path));
    if (found == m_nodes.constEnd())
        return std::nullopt;
    return RegistryKey {found->subkeys, found->values};
}

std::optional<RegistryKey> MemoryRegistry::key(RegistryRoot root, const QString &path,
                                               RegistryView view) const
{
    const QString seen
        = view == RegistryView::Bits32 && m_is64BitSystem ? thirtyTwoBitPath(root, path) : path;
    if (root != RegistryRoot::ClassesRoot)
        return storedKey(root, seen);
    const QString classesPath = kClasses + QLatin1Char('\\') + seen;
    std::optional<RegistryKey> user = storedKey(RegistryRoot::CurrentUser, classesPath);
    const std::optional<RegistryKey> machine = storedKey(RegistryRoot::LocalMachine, classesPath);
    if (!user || !machine)
        return user ? user : machine;
    for (const QString &subkey : machine->subkeys)
        addName(user->subkeys, subkey);
    for (const RegistryValue &value : machine->values) {
        if (!user->value(value.name))
            user->values.append(value);
    }
    return user;
}
