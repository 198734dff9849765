// A small iterative printer for the saved-document layout.
#include "ink/XmlPrinter.h"

#include <cstring>
#include <string>

namespace Nivo {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";

// What to do with the character at text: its byte length when XML 1.0 holds it, 0 for a
// control character to drop, or minus the number of bytes to write as one U+FFFD: a byte
// that starts no valid character, or a whole U+FFFE or U+FFFF.
int xmlCharLength(const unsigned char *text, const unsigned char *end)
{
    const unsigned char first = text[0];
    if (first < 0x80)
        return first >= 0x20 || first == '\t' || first == '\n' || first == '\r' ? 1 : 0;
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        if (first == 0xE0)
            low = 0xA0; // no overlong forms
        if (first == 0xED)
            high = 0x9F; // no surrogates
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        if (first == 0xF0)
            low = 0x90;
        if (first == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return -1;
    }
    if (end - text < length || text[1] < low || text[1] > high)
        return -1;
    for (int i = 2; i < length; ++i)
        if (text[i] < 0x80 || text[i] > 0xBF)
            return -1;
    // U+FFFE and U+FFFF are no characters.
    if (first == 0xEF && text[1] == 0xBF && (text[2] == 0xBE || text[2] == 0xBF))
        return -3;
    return length;
}

} // namespace

std::string toXmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    const auto *at = reinterpret_cast<const unsigned char *>(text.data());
    const auto *end = at + text.size();
    while (at < end) {
        const int length = xmlCharLength(at, end);
        if (length > 0) {
            out.append(reinterpret_cast<const char *>(at), static_cast<size_t>(length));
            at += length;
        } else if (length == 0) {
            ++at;
        } else {
            out += kReplacement;
            at -= length;
        }
    }
    return out;
}

// Buffers the printed text and writes it in large blocks.
class XmlOutput
{
public:
    explicit XmlOutput(std::FILE *file)
        : m_file(file)
    {
        m_buffer.reserve(kFlushSize + 4096);
    }
    ~XmlOutput() { flush(); }

    void put(char c)
    {
        m_buffer += c;
        flushIfFull();
    }
    void put(const char *text)
    {
        m_buffer += text;
        flushIfFull();
    }
    void indent(int depth) { m_buffer.append(static_cast<size_t>(depth) * 4, ' '); }
    void escaped(const char *text)
    {
        const char *end = text + std::strlen(text);
        for (const char *c = text; *c; ++c) {
            const auto byte = static_cast<unsigned char>(*c);
            if (byte >= 0x80) {
                // Valid characters are copied whole; anything else becomes U+FFFD.
                const int length = xmlCharLength(reinterpret_cast<const unsigned char *>(c),
                                                 reinterpret_cast<const unsigned char *>(end));
                if (length > 0) {
                    m_buffer.append(c, static_cast<size_t>(length));
                    c += length - 1;
                } else {
                    m_buffer += kReplacement;
                    c += -length - 1;
                }
                continue;
            }
            switch (byte) {
            case '&':
                m_buffer += "&amp;";
                break;
            case '<':
                m_buffer += "&lt;";
                break;
            case '>':
                m_buffer += "&gt;";
                break;
            case '"':
                m_buffer += "&quot;";
                break;
            case '\'':
                m_buffer += "&apos;";
                break;
            default:
                if (byte < 32) {
                    // Only tabs and line breaks exist in XML 1.0 among the control codes.
                    if (byte != '\t' && byte != '\n' && byte != '\r')
                        break;
                    static const char kHex[] = "0123456789ABCDEF";
                    m_buffer += "&#x";
                    m_buffer += kHex[byte >> 4];
                    m_buffer += kHex[byte & 15];
                    m_buffer += ';';
                } else {
                    m_buffer += *c;
                }
            }
            if (m_buffer.size() >= kFlushSize)
                flush();
        }
    }
    bool flush()
    {
        if (!m_buffer.empty()) {
            if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
                m_failed = true;
            m_buffer.clear();
        }
        return !m_failed;
    }
    bool failed() const { return m_failed; }

private:
    void flushIfFull()
    {
        if (m_buffer.size() >= kFlushSize)
            flush();
    }

    static constexpr size_t kFlushSize = 1 << 16;
    std::FILE *m_file;
    std::string m_buffer;
    bool m_failed = false;
};

namespace {

using Output = XmlOutput;

bool isText(const pugi::xml_node &node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

void openTag(Output &out, const pugi::xml_node &element, int depth)
{
    out.indent(depth);
    out.put('<');
    out.put(element.name());
    for (const pugi::xml_attribute &attribute : element.attributes()) {
        out.put(' ');
        out.put(attribute.name());
        out.put("=\"");
        out.escaped(attribute.value());
        out.put('"');
    }
}

void closeTag(Output &out, const pugi::xml_node &element)
{
    out.put("</");
    out.put(element.name());
    out.put('>');
}

void printDeclaration(Output &out, const pugi::xml_node &declaration)
{
    out.put("<?xml ");
    for (const pugi::xml_attribute &attribute : declaration.attributes()) {
        out.put(attribute.name());
        out.put("=\"");
        out.escaped(attribute.value());
        out.put("\" ");
    }
    out.put("?>");
}

// Prints one node and everything below it, depth first, without recursion. Elements below
// the root start on lines of their own; the root does when newLine is set.
void printTree(Output &out, const pugi::xml_node &root, int rootDepth = 0, bool newLine = false)
{
    pugi::xml_node node = root;
    int depth = rootDepth;
    for (;;) {
        bool descend = false;
        if (isText(node)) {
            out.escaped(node.value());
        } else if (node.type() == pugi::node_element) {
            if (node != root || newLine)
                out.put('\n');
            openTag(out, node, depth);
            const pugi::xml_node first = node.first_child();
            if (!first) {
                out.put(" />");
            } else if (first == node.last_child() && isText(first)) {
                out.put('>');
                out.escaped(first.value());
                closeTag(out, node);
            } else {
                out.put('>');
                descend = true;
            }
        } else if (node.type() == pugi::node_declaration) {
            printDeclaration(out, node);
        }
        if (descend) {
            node = node.first_child();
            ++depth;
            continue;
        }
        // Climb up, closing every element whose children are all printed.
        while (node != root && !node.next_sibling()) {
            node = node.parent();
            --depth;
            out.put('\n');
            out.indent(depth);
            closeTag(out, node);
        }
        if (node == root)
            return;
        node = node.next_sibling();
    }
}

} // namespace

bool printXml(const pugi::xml_document &document, std::FILE *file)
{
    Output out(file);
    for (const pugi::xml_node &node : document.children()) {
        printTree(out, node);
        out.put('\n');
    }
    return out.flush();
}

XmlStreamPrinter::XmlStreamPrinter(std::FILE *file)
    : m_out(std::make_unique<XmlOutput>(file))
{ }

XmlStreamPrinter::~XmlStreamPrinter() = default;

void XmlStreamPrinter::declaration(const pugi::xml_node &declaration)
{
    printDeclaration(*m_out, declaration);
    m_out->put('\n');
}

void XmlStreamPrinter::element(const pugi::xml_node &element, int depth)
{
    printTree(*m_out, element, depth, depth > 0);
    if (depth == 0)
        m_out->put('\n');
}

void XmlStreamPrinter::open(const pugi::xml_node &element, int depth)
{
    if (depth > 0)
        m_out->put('\n');
    openTag(*m_out, element, depth);
    m_out->put('>');
    for (const pugi::xml_node &child : element.children())
        printTree(*m_out, child, depth + 1, true);
}

void XmlStreamPrinter::close(const char *name, int depth)
{
    m_out->put('\n');
    m_out->indent(depth);
    m_out->put("</");
    m_out->put(name);
    m_out->put('>');
    if (depth == 0)
        m_out->put('\n');
}

bool XmlStreamPrinter::flush()
{
    return m_out->flush();
}

} // namespace Nivo
