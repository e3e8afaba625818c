// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "codec/PrivateData.h"

namespace {

QByteArray Packet(const char* bindings, const char* body) {
    return QByteArray("<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
                      "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
                      "<rdf:Description ") +
           bindings + ">" + body + "</rdf:Description></rdf:RDF></x:xmpmeta>";
}

// Each form a private property takes, under any prefix a packet binds to
// its namespace, goes; the rest of the packet stays as it was.
TEST(PrivateDataTest, XmpLosesEachPrivatePropertyInEveryFormAndKeepsTheRest) {
    const char* exif = R"(xmlns:e="http://ns.adobe.com/exif/1.0/" )";
    const char* core = R"(xmlns:Iptc4xmpCore="http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/" )";
    const std::tuple<QByteArray, uint32_t, const char*> cases[] = {
        {Packet(exif, R"(<e:GPSLatitude>46,57.6N</e:GPSLatitude><e:FNumber>28/10</e:FNumber>)"),
         PrivateKind::Gps, "<e:FNumber>"},
        {Packet(R"(xmlns:e="http://ns.adobe.com/exif/1.0/" e:GPSAltitude='5/1' e:ISO="100")", ""),
         PrivateKind::Gps, "e:ISO=\"100\""},
        {Packet(R"(xmlns:aux="http://ns.adobe.com/exif/1.0/aux/" aux:SerialNumber="1234")",
                R"(<aux:Lens>EF 50</aux:Lens>)"),
         PrivateKind::Serials, "<aux:Lens>"},
        {Packet(core, R"(<Iptc4xmpCore:CreatorContactInfo rdf:parseType="Resource">)"
                      R"(<Iptc4xmpCore:CiEmailWork>a@b.c</Iptc4xmpCore:CiEmailWork>)"
                      R"(</Iptc4xmpCore:CreatorContactInfo><Iptc4xmpCore:Location/>)"),
         PrivateKind::Contacts | PrivateKind::Places, "<rdf:Description"},
        {Packet(R"(xmlns:dc="http://purl.org/dc/elements/1.1/")",
                R"(<dc:creator><rdf:Seq><rdf:li>Ann</rdf:li></rdf:Seq></dc:creator>)"
                R"(<dc:rights>(c) Ann</dc:rights>)"),
         PrivateKind::Owners, "<dc:rights>(c) Ann"},
    };
    for (const auto& [xmp, kinds, kept] : cases) {
        uint32_t removed = 0;
        const QByteArray result = StripXmp(xmp, MetadataLevel::NoPrivate, removed);
        EXPECT_EQ(removed, kinds) << xmp.constData();
        EXPECT_TRUE(result.contains(kept)) << result.constData();
        EXPECT_EQ(PrivateDataInXmp(result), PrivateKind::Other) << result.constData();
        EXPECT_EQ(StripXmp(xmp, MetadataLevel::KeepAll, removed), xmp);
        EXPECT_TRUE(StripXmp(xmp, MetadataLevel::ProfileOnly, removed).isEmpty());
    }
}

QByteArray Dataset(uint8_t number, const QByteArray& value) {
    return QByteArray("\x1c\x02", 2) + char(number) + char(value.size() >> 8) +
           char(value.size() & 0xff) + value;
}

QByteArray Resource(uint16_t id, const QByteArray& data) {
    QByteArray length(4, '\0');
    length[2] = char(data.size() >> 8);
    length[3] = char(data.size() & 0xff);
    return QByteArray("8BIM") + char(id >> 8) + char(id & 0xff) + QByteArray(2, '\0') + length +
           data + (data.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

// A JPEG's IPTC keeps its caption and copyright, loses who and where, and
// its Photoshop thumbnail; the resources beside it stay.
TEST(PrivateDataTest, IptcLosesPeopleAndPlacesAndThePhotoshopThumbnail) {
    const QByteArray caption = Dataset(120, "Goal!") + Dataset(116, "(c) Ann");
    const QByteArray iptc = caption + Dataset(80, "Ann") + Dataset(90, "Bern") +
                            Dataset(101, "Switzerland") + Dataset(118, "ann@example.org");
    const QByteArray block = QByteArray("Photoshop 3.0\0", 14) + Resource(0x0404, iptc) +
                             Resource(0x040c, "thumbnail") + Resource(0x03ed, "resolution");
    uint32_t removed = 0;
    const QByteArray result = StripPhotoshopBlock(block, MetadataLevel::NoPrivate, removed);
    EXPECT_EQ(removed, PrivateKind::Owners | PrivateKind::Places | PrivateKind::Contacts);
    EXPECT_EQ(result, QByteArray("Photoshop 3.0\0", 14) + Resource(0x0404, caption) +
                          Resource(0x03ed, "resolution"));
    EXPECT_EQ(PrivateDataInPhotoshop(result), PrivateKind::Other);
    EXPECT_EQ(PrivateDataInPhotoshop(block), PrivateKind::Owners | PrivateKind::Places |
                                                 PrivateKind::Contacts | PrivateKind::Other);
    EXPECT_TRUE(StripPhotoshopBlock(block, MetadataLevel::ProfileOnly, removed).isEmpty());
    // A damaged block keeps what came before the damage and loses the rest.
    EXPECT_EQ(StripPhotoshopBlock(block.left(block.size() - 3), MetadataLevel::NoPrivate, removed),
              QByteArray("Photoshop 3.0\0", 14) + Resource(0x0404, caption));
}

} // namespace
