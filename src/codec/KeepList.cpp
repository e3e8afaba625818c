// SPDX-License-Identifier: MIT
#include "codec/KeepList.h"

#include "codec/PrivateData.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

enum class Group { Camera, Lens, Exposure, Date, Copyright, Profile, Resolution, Structure };

struct Entry {
    std::string_view key;
    Group group;
};

// Every entry a result may keep. An XMP structure's fields ("Xmp.exif.Flash/
// exif:Fired") go with the structure.
constexpr std::array kKept = {
    // The camera and the lens.
    Entry{"Exif.Image.Make", Group::Camera},
    Entry{"Exif.Image.Model", Group::Camera},
    Entry{"Xmp.tiff.Make", Group::Camera},
    Entry{"Xmp.tiff.Model", Group::Camera},
    Entry{"Exif.Photo.LensMake", Group::Lens},
    Entry{"Exif.Photo.LensModel", Group::Lens},
    Entry{"Exif.Photo.LensSpecification", Group::Lens},
    Entry{"Xmp.exifEX.LensMake", Group::Lens},
    Entry{"Xmp.exifEX.LensModel", Group::Lens},
    Entry{"Xmp.exifEX.LensSpecification", Group::Lens},
    Entry{"Xmp.aux.Lens", Group::Lens},
    Entry{"Xmp.aux.LensInfo", Group::Lens},
    // The exposure.
    Entry{"Exif.Photo.ExposureTime", Group::Exposure},
    Entry{"Exif.Photo.FNumber", Group::Exposure},
    Entry{"Exif.Photo.ExposureProgram", Group::Exposure},
    Entry{"Exif.Photo.ISOSpeedRatings", Group::Exposure},
    Entry{"Exif.Photo.SensitivityType", Group::Exposure},
    Entry{"Exif.Photo.RecommendedExposureIndex", Group::Exposure},
    Entry{"Exif.Photo.ShutterSpeedValue", Group::Exposure},
    Entry{"Exif.Photo.ApertureValue", Group::Exposure},
    Entry{"Exif.Photo.BrightnessValue", Group::Exposure},
    Entry{"Exif.Photo.ExposureBiasValue", Group::Exposure},
    Entry{"Exif.Photo.MaxApertureValue", Group::Exposure},
    Entry{"Exif.Photo.MeteringMode", Group::Exposure},
    Entry{"Exif.Photo.LightSource", Group::Exposure},
    Entry{"Exif.Photo.Flash", Group::Exposure},
    Entry{"Exif.Photo.FocalLength", Group::Exposure},
    Entry{"Exif.Photo.FocalLengthIn35mmFilm", Group::Exposure},
    Entry{"Exif.Photo.ExposureMode", Group::Exposure},
    Entry{"Exif.Photo.WhiteBalance", Group::Exposure},
    Entry{"Exif.Photo.DigitalZoomRatio", Group::Exposure},
    Entry{"Exif.Photo.SceneCaptureType", Group::Exposure},
    Entry{"Exif.Photo.GainControl", Group::Exposure},
    Entry{"Exif.Photo.Contrast", Group::Exposure},
    Entry{"Exif.Photo.Saturation", Group::Exposure},
    Entry{"Exif.Photo.Sharpness", Group::Exposure},
    Entry{"Exif.Photo.CustomRendered", Group::Exposure},
    Entry{"Exif.Photo.SensingMethod", Group::Exposure},
    Entry{"Exif.Photo.SceneType", Group::Exposure},
    Entry{"Exif.Photo.FileSource", Group::Exposure},
    Entry{"Xmp.exif.ExposureTime", Group::Exposure},
    Entry{"Xmp.exif.FNumber", Group::Exposure},
    Entry{"Xmp.exif.ExposureProgram", Group::Exposure},
    Entry{"Xmp.exif.ISOSpeedRatings", Group::Exposure},
    Entry{"Xmp.exif.ShutterSpeedValue", Group::Exposure},
    Entry{"Xmp.exif.ApertureValue", Group::Exposure},
    Entry{"Xmp.exif.BrightnessValue", Group::Exposure},
    Entry{"Xmp.exif.ExposureBiasValue", Group::Exposure},
    Entry{"Xmp.exif.MaxApertureValue", Group::Exposure},
    Entry{"Xmp.exif.MeteringMode", Group::Exposure},
    Entry{"Xmp.exif.LightSource", Group::Exposure},
    Entry{"Xmp.exif.Flash", Group::Exposure},
    Entry{"Xmp.exif.FocalLength", Group::Exposure},
    Entry{"Xmp.exif.FocalLengthIn35mmFilm", Group::Exposure},
    Entry{"Xmp.exif.ExposureMode", Group::Exposure},
    Entry{"Xmp.exif.WhiteBalance", Group::Exposure},
    Entry{"Xmp.exif.DigitalZoomRatio", Group::Exposure},
    Entry{"Xmp.exif.SceneCaptureType", Group::Exposure},
    Entry{"Xmp.exif.Contrast", Group::Exposure},
    Entry{"Xmp.exif.Saturation", Group::Exposure},
    Entry{"Xmp.exif.Sharpness", Group::Exposure},
    Entry{"Xmp.exifEX.PhotographicSensitivity", Group::Exposure},
    // When it was taken.
    Entry{"Exif.Image.DateTime", Group::Date},
    Entry{"Exif.Photo.DateTimeOriginal", Group::Date},
    Entry{"Exif.Photo.DateTimeDigitized", Group::Date},
    Entry{"Exif.Photo.SubSecTime", Group::Date},
    Entry{"Exif.Photo.SubSecTimeOriginal", Group::Date},
    Entry{"Exif.Photo.SubSecTimeDigitized", Group::Date},
    Entry{"Exif.Photo.OffsetTime", Group::Date},
    Entry{"Exif.Photo.OffsetTimeOriginal", Group::Date},
    Entry{"Exif.Photo.OffsetTimeDigitized", Group::Date},
    Entry{"Xmp.exif.DateTimeOriginal", Group::Date},
    Entry{"Xmp.exif.DateTimeDigitized", Group::Date},
    Entry{"Xmp.xmp.CreateDate", Group::Date},
    Entry{"Xmp.xmp.ModifyDate", Group::Date},
    Entry{"Xmp.photoshop.DateCreated", Group::Date},
    Entry{"Iptc.Application2.DateCreated", Group::Date},
    Entry{"Iptc.Application2.TimeCreated", Group::Date},
    Entry{"Iptc.Application2.DigitizationDate", Group::Date},
    Entry{"Iptc.Application2.DigitizationTime", Group::Date},
    // The copyright.
    Entry{"Exif.Image.Copyright", Group::Copyright},
    Entry{"Xmp.dc.rights", Group::Copyright},
    Entry{"Xmp.xmpRights.Marked", Group::Copyright},
    Entry{"Xmp.xmpRights.UsageTerms", Group::Copyright},
    Entry{"Xmp.xmpRights.WebStatement", Group::Copyright},
    Entry{"Iptc.Application2.Copyright", Group::Copyright},
    // The colours: the profile itself is the container's, outside these.
    Entry{"Exif.Image.InterColorProfile", Group::Profile},
    Entry{"Exif.Photo.ColorSpace", Group::Profile},
    Entry{"Xmp.exif.ColorSpace", Group::Profile},
    Entry{"Xmp.photoshop.ICCProfile", Group::Profile},
    // The resolution.
    Entry{"Exif.Image.XResolution", Group::Resolution},
    Entry{"Exif.Image.YResolution", Group::Resolution},
    Entry{"Exif.Image.ResolutionUnit", Group::Resolution},
    Entry{"Xmp.tiff.XResolution", Group::Resolution},
    Entry{"Xmp.tiff.YResolution", Group::Resolution},
    Entry{"Xmp.tiff.ResolutionUnit", Group::Resolution},
    // What the pixels are and where the blocks stand: true of the result,
    // never of the photographer.
    Entry{"Exif.Image.Orientation", Group::Structure},
    Entry{"Xmp.tiff.Orientation", Group::Structure},
    Entry{"Exif.Image.ExifTag", Group::Structure},
    Entry{"Exif.Photo.ExifVersion", Group::Structure},
    Entry{"Exif.Photo.FlashpixVersion", Group::Structure},
    Entry{"Exif.Photo.ComponentsConfiguration", Group::Structure},
    Entry{"Exif.Photo.PixelXDimension", Group::Structure},
    Entry{"Exif.Photo.PixelYDimension", Group::Structure},
    Entry{"Exif.Image.YCbCrPositioning", Group::Structure},
    Entry{"Xmp.exif.PixelXDimension", Group::Structure},
    Entry{"Xmp.exif.PixelYDimension", Group::Structure},
    Entry{"Iptc.Envelope.ModelVersion", Group::Structure},
    Entry{"Iptc.Envelope.CharacterSet", Group::Structure},
    Entry{"Iptc.Application2.RecordVersion", Group::Structure},
    // A TIFF's own directory, as a reader of the whole file lists it; the
    // blocks it carries are read and judged on their own.
    Entry{"Exif.Image.NewSubfileType", Group::Structure},
    Entry{"Exif.Image.ImageWidth", Group::Structure},
    Entry{"Exif.Image.ImageLength", Group::Structure},
    Entry{"Exif.Image.BitsPerSample", Group::Structure},
    Entry{"Exif.Image.Compression", Group::Structure},
    Entry{"Exif.Image.PhotometricInterpretation", Group::Structure},
    Entry{"Exif.Image.FillOrder", Group::Structure},
    Entry{"Exif.Image.StripOffsets", Group::Structure},
    Entry{"Exif.Image.SamplesPerPixel", Group::Structure},
    Entry{"Exif.Image.RowsPerStrip", Group::Structure},
    Entry{"Exif.Image.StripByteCounts", Group::Structure},
    Entry{"Exif.Image.PlanarConfiguration", Group::Structure},
    Entry{"Exif.Image.PageNumber", Group::Structure},
    Entry{"Exif.Image.Predictor", Group::Structure},
    Entry{"Exif.Image.TileWidth", Group::Structure},
    Entry{"Exif.Image.TileLength", Group::Structure},
    Entry{"Exif.Image.TileOffsets", Group::Structure},
    Entry{"Exif.Image.TileByteCounts", Group::Structure},
    Entry{"Exif.Image.ExtraSamples", Group::Structure},
    Entry{"Exif.Image.SampleFormat", Group::Structure},
    Entry{"Exif.Image.XMLPacket", Group::Structure},
    Entry{"Exif.Image.IPTCNAA", Group::Structure},
    Entry{"Exif.Image.ImageResources", Group::Structure},
    Entry{"Exif.Image.SubfileType", Group::Structure},
    Entry{"Exif.Image.InkSet", Group::Structure},
    Entry{"Exif.Image.NumberOfInks", Group::Structure},
    Entry{"Exif.Image.DotRange", Group::Structure},
    Entry{"Exif.Image.ColorMap", Group::Structure},
    Entry{"Exif.Image.Indexed", Group::Structure},
    Entry{"Exif.Image.YCbCrSubSampling", Group::Structure},
    Entry{"Exif.Image.YCbCrCoefficients", Group::Structure},
    Entry{"Exif.Image.ReferenceBlackWhite", Group::Structure},
    Entry{"Exif.Image.JPEGTables", Group::Structure},
    Entry{"Exif.Image.MinSampleValue", Group::Structure},
    Entry{"Exif.Image.MaxSampleValue", Group::Structure},
    Entry{"Exif.Image.SMinSampleValue", Group::Structure},
    Entry{"Exif.Image.SMaxSampleValue", Group::Structure},
    Entry{"Exif.Image.WhitePoint", Group::Profile},
    Entry{"Exif.Image.PrimaryChromaticities", Group::Profile},
    Entry{"Exif.Image.TransferFunction", Group::Profile},
};

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace

bool IsKept(const std::string& key, int level) {
    if (level <= MetadataLevel::KeepAll)
        return true;
    // "Xmp.exif.Flash/exif:Fired" and "Xmp.dc.rights[1]" go with their property.
    const std::string_view property = std::string_view(key).substr(0, key.find_first_of("/["));
    const auto entry =
        std::find_if(kKept.begin(), kKept.end(), [&](const Entry& e) { return e.key == property; });
    if (entry == kKept.end())
        return false;
    return level < MetadataLevel::ProfileOnly || entry->group == Group::Profile ||
           entry->group == Group::Resolution || entry->group == Group::Structure;
}

uint32_t KindOfEntry(const std::string& key) {
    const std::string_view k(key);
    if (Contains(k, "GPS") || Contains(k, "Gps") || Contains(k, "Altitude") ||
        Contains(k, "Latitude") || Contains(k, "Longitude"))
        return PrivateKind::Gps;
    if (Contains(k, "SerialNumber") || Contains(k, "UniqueID") || Contains(k, "Serial"))
        return PrivateKind::Serials;
    if (Contains(k, "Contact") || Contains(k, "/Iptc4xmpCore:Ci"))
        return PrivateKind::Contacts;
    if (Contains(k, "Artist") || Contains(k, "Owner") || Contains(k, "creator") ||
        Contains(k, "Byline") || Contains(k, "Author") || Contains(k, "CaptionWriter") ||
        Contains(k, "Writer") || Contains(k, "PersonInImage") || Contains(k, "HostComputer"))
        return PrivateKind::Owners;
    if (Contains(k, "City") || Contains(k, "Country") || Contains(k, "ProvinceState") ||
        Contains(k, "Location") || Contains(k, "SubLocation") || Contains(k, "Sublocation") ||
        Contains(k, ".State"))
        return PrivateKind::Places;
    if (Contains(k, "MakerNote") ||
        (k.substr(0, 5) == "Exif." && !Contains(k, "Exif.Image.") && !Contains(k, "Exif.Photo.") &&
         !Contains(k, "Exif.Iop.") && !Contains(k, "Exif.Thumbnail.") &&
         !Contains(k, "Exif.Image2")))
        return PrivateKind::MakerNotes;
    return PrivateKind::Other;
}
