// A small iterative printer for the saved-document layout.
#include "ink/XmlPrinter.h"

#include <string>

namespace Nivo {

namespace {

class Output
{
public:
    explicit Output(std::FILE *file)
        : m_file(file)
    {
        m_buffer.reserve(kFlushSize + 4096);
    }
    ~Output() { flush(); }

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
        for (const char *c = text; *c; ++c) {
            const auto byte = static_cast<unsigned char>(*c);
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

// Prints one top-level node and everything below it, depth first, without recursion.
void printTree(Output &out, const pugi::xml_node &root)
{
    pugi::xml_node node = root;
    int depth = 0;
    for (;;) {
        bool descend = false;
        if (isText(node)) {
            out.escaped(node.value());
        } else if (node.type() == pugi::node_element) {
            if (node != root)
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

} // namespace Nivo
