// Channels, trace formats, brushes and contexts written to XML and read back.
#include "ink/InkMLDefinitions.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Nivo;

namespace {

pugi::xml_document parseXml(const char *text)
{
    pugi::xml_document xml;
    EXPECT_TRUE(xml.load_string(text)) << text;
    return xml;
}

} // namespace

TEST(InkmlDefinitions, WrittenChannelHasNoTypeSoAStrictReadFails)
{
    pugi::xml_document xml;
    Channel("X", Channel::DECIMAL, -3000, 3000, "0.1mm").write(xml);
    const pugi::xml_node element = xml.child("channel");
    EXPECT_STREQ(element.attribute("min").value(), "-3000");
    EXPECT_FALSE(element.attribute("type"));
    Channel read;
    EXPECT_FALSE(read.read(element));
    EXPECT_EQ(read.name.value(), "X");
    EXPECT_EQ(read.min.value(), 0);
    Channel lenient;
    EXPECT_TRUE(lenient.readWithOptionalType(element));
    EXPECT_EQ(lenient.max.value(), 3000);
    EXPECT_EQ(lenient.units.value(), "0.1mm");
}

TEST(InkmlDefinitions, ChannelTypeNamesMatchExactlyAndNumbersReadLikeAtoi)
{
    auto xml = parseXml(R"(<c name="a" type="FLOAT" min="12abc" max="-x" units="u"/>)");
    Channel channel("z", Channel::BOOLEAN, 1, 1, "");
    EXPECT_TRUE(channel.read(xml.first_child()));
    EXPECT_EQ(channel.type.value(), Channel::BOOLEAN);
    EXPECT_EQ(channel.min.value(), 12);
    EXPECT_EQ(channel.max.value(), 0);
    auto decimal = parseXml(R"(<c name="a" type="DECIMAL" min="1" max="2" units="u"/>)");
    EXPECT_TRUE(channel.read(decimal.first_child()));
    EXPECT_EQ(channel.type.value(), Channel::DECIMAL);
}

TEST(InkmlDefinitions, BrushFlagsRoundTripEachFromItsOwnField)
{
    Brush brush;
    brush.setId("b1");
    brush.antialiased.set(true);
    brush.ignorePressure.set(false);
    brush.width.set(7);
    brush.color.set("Red & Blue");
    pugi::xml_document xml;
    brush.write(xml);
    const pugi::xml_node annotation = xml.child("brush").child("annotationXML");
    EXPECT_STREQ(annotation.child_value("antialiased"), "True");
    EXPECT_STREQ(annotation.child_value("ignorePressure"), "False");
    EXPECT_STREQ(annotation.child_value("fittocurve"), "True");
    Brush read;
    ASSERT_TRUE(read.read(xml.child("brush")));
    EXPECT_EQ(read.id(), "b1");
    EXPECT_TRUE(read.antialiased.value());
    EXPECT_FALSE(read.ignorePressure.value());
    EXPECT_TRUE(read.fittocurve.value());
    EXPECT_EQ(read.width.value(), 7u);
    EXPECT_EQ(read.height.value(), 10u);
    EXPECT_EQ(read.color.value(), "Red & Blue");
    EXPECT_EQ(read.pentip.value(), "Ball");
}

TEST(InkmlDefinitions, EachBrushReadsItsOwnAnnotation)
{
    auto xml = parseXml(R"(<definitions>
        <brush id="a"><annotationXML><color>Red</color><antialiased>True </antialiased></annotationXML></brush>
        <brush id="b"><annotationXML><color>Blue</color><antialiased>true</antialiased><width>3</width></annotationXML></brush>
        <brush id="c"/>
    </definitions>)");
    InkMLDefinitions definitions;
    EXPECT_TRUE(definitions.read(xml.child("definitions")));
    ASSERT_EQ(definitions.brushes().size(), 2u);
    const Brush &a = definitions.brushes().front();
    const Brush &b = definitions.brushes().back();
    EXPECT_EQ(a.color.value(), "Red");
    EXPECT_FALSE(a.antialiased.value());
    EXPECT_EQ(a.width.value(), 0u);
    EXPECT_EQ(b.color.value(), "Blue");
    EXPECT_TRUE(b.antialiased.value());
    EXPECT_EQ(b.width.value(), 3u);
    EXPECT_EQ(b.pentip.value(), "");
}

// The text written is pinned by the document-format test; here it must read back as the
// table it came from.
TEST(InkmlDefinitions, DefaultDefinitionsReadBackAsWritten)
{
    pugi::xml_document xml;
    ASSERT_TRUE(DefaultInkMLDefinitions().write(xml));
    InkMLDefinitions read;
    EXPECT_TRUE(read.read(xml.child("definitions")));
    ASSERT_EQ(read.traceFormats().size(), 1u);
    const TraceFormat &format = read.traceFormats().front();
    EXPECT_EQ(format.id(), "default");
    ASSERT_EQ(format.size(), 6u);
    const DefaultTraceFormat expected;
    auto wanted = expected.begin();
    for (const Channel &channel : format) {
        EXPECT_EQ(channel.name.value(), wanted->name.value());
        EXPECT_EQ(std::tuple(channel.min.value(), channel.max.value(), channel.units.value(),
                             channel.type.value()),
                  std::tuple(wanted->min.value(), wanted->max.value(), wanted->units.value(),
                             wanted->type.value()))
            << channel.name.value();
        ++wanted;
    }
    EXPECT_TRUE(read.brushes().empty());
    ASSERT_EQ(read.contexts().size(), 1u);
    EXPECT_EQ(read.contexts().front().id, "default-context");
    EXPECT_EQ(read.contexts().front().brush.value(), nullptr);
    EXPECT_EQ(read.contexts().front().traceFormat.value(), &read.traceFormats().front());
}

TEST(InkmlDefinitions, ContextReferencesMustBeResolvable)
{
    InkMLDefinitions noHash;
    EXPECT_FALSE(noHash.read(parseXml(R"(<d><brush id="b1"><annotationXML/></brush>
        <context id="x" brushRef="b1"/><context id="y"/></d>)")
                                 .child("d")));
    EXPECT_TRUE(noHash.contexts().empty());

    InkMLDefinitions dangling;
    EXPECT_FALSE(
        dangling.read(parseXml(R"(<d><context id="ok"/><context id="x" traceFormatRef="#none"/>
        <context id="later"/></d>)")
                          .child("d")));
    ASSERT_EQ(dangling.contexts().size(), 1u);
    EXPECT_EQ(dangling.contexts().front().id, "ok");

    InkMLDefinitions withoutId;
    EXPECT_FALSE(withoutId.read(parseXml(R"(<d><context brushRef="#b"/></d>)").child("d")));

    InkMLDefinitions both;
    EXPECT_TRUE(both.read(
        parseXml(R"(<d><traceFormat id="t"/><traceFormat/><brush id="b"><annotationXML/></brush>
        <context id="c" brushRef="#b" traceFormatRef="#t"/></d>)")
            .child("d")));
    ASSERT_EQ(both.traceFormats().size(), 1u);
    EXPECT_EQ(both.contexts().front().brush.value(), &both.brushes().front());
    EXPECT_EQ(both.contexts().front().traceFormat.value(), &both.traceFormats().front());
}

TEST(InkmlDefinitions, CopiesAndAppendsPointIntoTheirOwnLists)
{
    InkMLDefinitions first;
    ASSERT_TRUE(
        first.read(parseXml(R"(<d><traceFormat id="t"/><brush id="b"><annotationXML/></brush>
        <context id="c" brushRef="#b" traceFormatRef="#t"/></d>)")
                       .child("d")));
    InkMLDefinitions copy = first;
    EXPECT_EQ(copy.contexts().front().brush.value(), &copy.brushes().front());
    EXPECT_EQ(copy.contexts().front().traceFormat.value(), &copy.traceFormats().front());

    copy.append(DefaultInkMLDefinitions());
    ASSERT_EQ(copy.contexts().size(), 2u);
    EXPECT_EQ(copy.contexts().back().traceFormat.value(), &copy.traceFormats().back());
    EXPECT_EQ(copy.contexts().back().brush.value(), nullptr);
    copy.append(copy);
    EXPECT_EQ(copy.contexts().size(), 4u);
    EXPECT_EQ(copy.contexts().back().traceFormat.value(), &copy.traceFormats().back());

    InkMLDefinitions assigned;
    assigned = first;
    first = InkMLDefinitions();
    EXPECT_EQ(assigned.contexts().front().brush.value(), &assigned.brushes().front());
}
