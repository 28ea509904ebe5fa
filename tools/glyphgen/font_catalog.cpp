#include "font_catalog.h"

#include <stdexcept>
#include <string>

namespace varnel::glyphgen {

namespace {

constexpr const char* kPublicDomain = "public domain";
constexpr const char* kShinonome =
    "Shinonome fonts: Yasuyuki Furukawa, 2001-2004 /efont/ Project; public domain.";
constexpr const char* kBaekmukLicence =
    "Baekmuk licence (permission to use, copy, modify and distribute; keep the notice)";
constexpr const char* kBaekmuk =
    "Copyright (c) 1986-2002 Kim Jeong-Hwan. All rights reserved.\n"
    "Permission to use, copy, modify and distribute this font is hereby granted, provided that\n"
    "both the copyright notice and this permission notice appear in all copies of the font,\n"
    "derivative works or modified versions, and that the following acknowledgement appear in\n"
    "supporting documentation: Baekmuk Batang, Baekmuk Dotum, Baekmuk Gulim, and Baekmuk\n"
    "Headline are registered trademarks owned by Kim Jeong-Hwan.";
constexpr const char* kIsasLicence = "ISAS licence (permissive; keep the notice)";
constexpr const char* kIsas =
    "Copyright (C) 1988 The Institute of Software, Academia Sinica.\n"
    "Permission to use, copy, modify, and distribute this software and its documentation for any\n"
    "purpose and without fee is hereby granted, provided that the above copyright notices appear\n"
    "in all copies and that both those copyright notices and this permission notice appear in\n"
    "supporting documentation, and that the name of \"the Institute of Software, Academia\n"
    "Sinica\" not be used in advertising or publicity pertaining to distribution of the software\n"
    "without specific, written prior permission. The Institute of Software, Academia Sinica,\n"
    "makes no representations about the suitability of this software for any purpose. It is\n"
    "provided \"as is\" without express or implied warranty.";
constexpr const char* kArphicLicence = "Arphic Public License";
constexpr const char* kArphic =
    "(c) Copyright 1994-1999 Arphic Technology Co., Ltd.; modifications (c) Copyright 2003-2007\n"
    "Arne Goetje. Published by the CJK Unifonts project under the ARPHIC PUBLIC LICENSE.";

#define X11 "/usr/share/fonts/X11/"

const std::vector<FontSource> kSources = {
    {.key = "shinonome-gothic",
     .path = X11 "misc/shnmk16.pcf.gz",
     .charset = FontCharset::JisX0208,
     .mode = RenderMode::Strike,
     .design = "Shinonome Gothic 16 (JIS X 0208)",
     .package = "xfonts-shinonome",
     .licence = kPublicDomain,
     .copyright = kShinonome},
    {.key = "shinonome-mincho",
     .path = X11 "misc/shnmk16min.pcf.gz",
     .charset = FontCharset::JisX0208,
     .mode = RenderMode::Strike,
     .design = "Shinonome Mincho 16 (JIS X 0208)",
     .package = "xfonts-shinonome",
     .licence = kPublicDomain,
     .copyright = kShinonome},
    {.key = "shinonome-half",
     .path = X11 "misc/shnm8x16r.pcf.gz",
     .charset = FontCharset::JisX0201,
     .mode = RenderMode::Strike,
     .design = "Shinonome Gothic 8x16 (JIS X 0201)",
     .package = "xfonts-shinonome",
     .licence = kPublicDomain,
     .copyright = kShinonome},
    {.key = "shinonome-6x12",
     .path = X11 "misc/shnm6x12a.pcf.gz",
     .charset = FontCharset::Unicode,
     .mode = RenderMode::Strike,
     .pixelSize = 12,
     .design = "Shinonome 6x12 (ISO 8859-1)",
     .package = "xfonts-shinonome",
     .licence = kPublicDomain,
     .copyright = kShinonome},
    {.key = "jiskan16-2004",
     .path = X11 "misc/jiskan16-2004-1.pcf.gz",
     .charset = FontCharset::JisX0213Plane1,
     .mode = RenderMode::Strike,
     .design = "JIS X 0213:2004 plane 1, 16 dots",
     .package = "xfonts-jisx0213",
     .licence = kPublicDomain,
     .copyright = "Toshiyuki Imamura and HANATAKA Shinya, 2004; public domain."},
    {.key = "fixed-6x12",
     .path = X11 "misc/6x12.pcf.gz",
     .charset = FontCharset::Unicode,
     .mode = RenderMode::Strike,
     .pixelSize = 12,
     .design = "misc-fixed 6x12 (ISO 10646)",
     .package = "xfonts-base",
     .licence = kPublicDomain,
     .copyright = "misc-fixed: \"Public domain font. Share and enjoy.\""},
    {.key = "isas-fangsong",
     .path = X11 "misc/gb16fs.pcf.gz",
     .charset = FontCharset::Gb2312,
     .mode = RenderMode::Strike,
     .design = "ISAS Fangsong ti 16 (GB 2312)",
     .package = "xfonts-base",
     .licence = kIsasLicence,
     .copyright = kIsas},
    {.key = "taipei16",
     .path = X11 "misc/taipei16.pcf.gz",
     .charset = FontCharset::Big5,
     .mode = RenderMode::Strike,
     .design = "Taipei 16 (Big5, ming)",
     .package = "xfonts-intl-chinese",
     .licence = kPublicDomain,
     .copyright = "taipei16: from ftp.ifcss.org; public domain."},
    {.key = "baekmuk-gulim16",
     .path = X11 "75dpi/gulim16.pcf.gz",
     .charset = FontCharset::Ksc5601,
     .mode = RenderMode::Strike,
     .design = "Baekmuk Gulim 16 (KS C 5601)",
     .package = "xfonts-baekmuk",
     .licence = kBaekmukLicence,
     .copyright = kBaekmuk},
    {.key = "baekmuk-dotum16",
     .path = X11 "75dpi/dotum16.pcf.gz",
     .charset = FontCharset::Ksc5601,
     .mode = RenderMode::Strike,
     .design = "Baekmuk Dotum 16 (KS C 5601)",
     .package = "xfonts-baekmuk",
     .licence = kBaekmukLicence,
     .copyright = kBaekmuk},
    {.key = "baekmuk-batang16",
     .path = X11 "75dpi/batang16.pcf.gz",
     .charset = FontCharset::Ksc5601,
     .mode = RenderMode::Strike,
     .design = "Baekmuk Batang 16 (KS C 5601)",
     .package = "xfonts-baekmuk",
     .licence = kBaekmukLicence,
     .copyright = kBaekmuk},
    {.key = "baekmuk-gulim",
     .path = "/usr/share/fonts/truetype/baekmuk/gulim.ttf",
     .charset = FontCharset::Unicode,
     .mode = RenderMode::Outline,
     .design = "Baekmuk Gulim outlines at 16 px",
     .package = "fonts-baekmuk",
     .licence = kBaekmukLicence,
     .copyright = kBaekmuk},
    {.key = "baekmuk-batang",
     .path = "/usr/share/fonts/truetype/baekmuk/batang.ttf",
     .charset = FontCharset::Unicode,
     .mode = RenderMode::Outline,
     .threshold = 80,
     .design = "Baekmuk Batang outlines at 16 px",
     .package = "fonts-baekmuk",
     .licence = kBaekmukLicence,
     .copyright = kBaekmuk},
    {.key = "un-dotum",
     .path = "/usr/share/fonts/truetype/unfonts-core/UnDotum.ttf",
     .charset = FontCharset::Unicode,
     .mode = RenderMode::Outline,
     .design = "UnDotum outlines at 16 px",
     .package = "fonts-unfonts-core",
     .licence = "GPL-2",
     .copyright = "Copyright 1998-2008 Koaunghi Un; 2003 Park Won-kyu; 2003 Jungshik Shin. GPL-2."},
    {.key = "ar-pl-uming-tw",
     .path = "/usr/share/fonts/truetype/arphic/uming.ttc",
     .face = 2,
     .charset = FontCharset::Unicode,
     .mode = RenderMode::Strike,
     .design = "AR PL UMing TW, its 16-pixel bitmaps",
     .package = "fonts-arphic-uming",
     .licence = kArphicLicence,
     .copyright = kArphic},
    {.key = "ar-pl-ukai-cn",
     .path = "/usr/share/fonts/truetype/arphic/ukai.ttc",
     .charset = FontCharset::Unicode,
     .mode = RenderMode::Outline,
     .pixelSize = 17,
     .threshold = 76,
     .design = "AR PL UKai CN outlines at 17 px",
     .package = "fonts-arphic-ukai",
     .licence = kArphicLicence,
     .copyright = kArphic},
    {.key = "ar-pl-ukai-tw",
     .path = "/usr/share/fonts/truetype/arphic/ukai.ttc",
     .face = 2,
     .charset = FontCharset::Unicode,
     .mode = RenderMode::Outline,
     .pixelSize = 17,
     .threshold = 76,
     .design = "AR PL UKai TW outlines at 17 px",
     .package = "fonts-arphic-ukai",
     .licence = kArphicLicence,
     .copyright = kArphic},
    {.key = "wenquanyi-song",
     .path = X11 "misc/wenquanyi_12pt.pcf",
     .charset = FontCharset::Unicode,
     .mode = RenderMode::Strike,
     .design = "WenQuanYi Bitmap Song 12pt (16 px)",
     .package = "xfonts-wqy",
     .licence = "GPL-2 with font embedding exception",
     .copyright = "Copyright (C) 2004-2007 WenQuanYi's Board of Trustees and Qianqian Fang. GPL-2 "
                  "with font\n"
                  "embedding exception."},
    {.key = "unifont",
     .path = X11 "misc/unifont.pcf.gz",
     .charset = FontCharset::Unicode,
     .mode = RenderMode::Strike,
     .design = "GNU Unifont 16",
     .package = "xfonts-unifont",
     .licence = "GPL-2+",
     .copyright =
         "GNU Unifont: Roman Czyborra, Qianqian Fang, Paul Hardy and others, 1998-2019. GPL-2+."},
};

#undef X11

// Korean and Traditional Chinese rows below lead 0xA1 stay blank: the encoder never draws them
// (code page 950 has only user-defined characters there).
const std::vector<GlyphFileRecipe> kFiles = {
    {.name = "system16/_system/12 PICTURE.bin",
     .kind = FileKind::Pictures,
     .role = "the twelve pictures"},
    {.name = "system16/_system/JAPANESE/ASCII.bin",
     .kind = FileKind::HalfWidth,
     .role = "Japanese half-width katakana",
     .codePage = "windows-932",
     .firstLead = 0x80,
     .lastLead = 0xFF,
     .chain = {"shinonome-half", "unifont"}},
    {.name = "system16/_system/JAPANESE/ms1.bin",
     .kind = FileKind::DoubleByte,
     .role = "Japanese set 1 (gothic)",
     .codePage = "windows-932",
     .firstLead = 0x81,
     .lastLead = 0xEA,
     .chain = {"shinonome-gothic", "jiskan16-2004", "unifont"}},
    {.name = "system16/_system/JAPANESE/ms mingchao.bin",
     .kind = FileKind::DoubleByte,
     .role = "Japanese set 2 (mincho)",
     .codePage = "windows-932",
     .firstLead = 0x81,
     .lastLead = 0xEA,
     .chain = {"shinonome-mincho", "jiskan16-2004", "unifont"}},
    {.name = "system16/_system/JAPANESE/MS UI Gothic.bin",
     .kind = FileKind::DoubleByte,
     .role = "Japanese set 3 (JIS X 0213 gothic)",
     .codePage = "windows-932",
     .firstLead = 0x81,
     .lastLead = 0xEA,
     .chain = {"jiskan16-2004", "unifont"}},
    {.name = "system16/_system/CHINESE/CHN16ST.bin",
     .kind = FileKind::DoubleByte,
     .role = "Simplified Chinese set 1 (song)",
     .codePage = "windows-936",
     .firstLead = 0x81,
     .lastLead = 0xFE,
     .chain = {"wenquanyi-song", "unifont"}},
    {.name = "system16/_system/CHINESE/CHN16KT.bin",
     .kind = FileKind::DoubleByte,
     .role = "Simplified Chinese set 2 (kai)",
     .codePage = "windows-936",
     .firstLead = 0x81,
     .lastLead = 0xFE,
     .chain = {"ar-pl-ukai-cn", "wenquanyi-song", "unifont"}},
    {.name = "system16/_system/CHINESE/CHN16CY.bin",
     .kind = FileKind::DoubleByte,
     .role = "Simplified Chinese set 3 (fangsong)",
     .codePage = "windows-936",
     .firstLead = 0x81,
     .lastLead = 0xFE,
     .chain = {"isas-fangsong", "wenquanyi-song", "unifont"}},
    {.name = "system16/_system/TRADITIONAL/newximingti.bin",
     .kind = FileKind::DoubleByte,
     .role = "Traditional Chinese set 1 (ming)",
     .codePage = "windows-950",
     .firstLead = 0xA1,
     .lastLead = 0xFE,
     .chain = {"ar-pl-uming-tw", "taipei16", "unifont"}},
    {.name = "system16/_system/TRADITIONAL/newximing_w.bin",
     .kind = FileKind::DoubleByte,
     .role = "Traditional Chinese set 2 (Taipei ming)",
     .codePage = "windows-950",
     .firstLead = 0xA1,
     .lastLead = 0xFE,
     .chain = {"taipei16", "wenquanyi-song", "unifont"}},
    {.name = "system16/_system/TRADITIONAL/huakang.bin",
     .kind = FileKind::DoubleByte,
     .role = "Traditional Chinese set 3 (kai)",
     .codePage = "windows-950",
     .firstLead = 0xA1,
     .lastLead = 0xFE,
     .chain = {"ar-pl-ukai-tw", "unifont"}},
    {.name = "system16/_system/KOREAN/gulrim.bin",
     .kind = FileKind::DoubleByte,
     .role = "Korean set 1 (gulim)",
     .codePage = "windows-949",
     .firstLead = 0xA1,
     .lastLead = 0xFE,
     .chain = {"baekmuk-gulim16", "baekmuk-gulim", "unifont"}},
    {.name = "system16/_system/KOREAN/dodum.bin",
     .kind = FileKind::DoubleByte,
     .role = "Korean set 2 (dotum)",
     .codePage = "windows-949",
     .firstLead = 0xA1,
     .lastLead = 0xFE,
     .chain = {"baekmuk-dotum16", "un-dotum", "unifont"}},
    {.name = "system16/_system/KOREAN/patang.bin",
     .kind = FileKind::DoubleByte,
     .role = "Korean set 3 (batang)",
     .codePage = "windows-949",
     .firstLead = 0xA1,
     .lastLead = 0xFE,
     .chain = {"baekmuk-batang16", "baekmuk-batang", "unifont"}},
    {.name = "system16/_system/efont12_thin.bin",
     .kind = FileKind::Resident,
     .role = "the badge's resident ASCII font",
     .codePage = "windows-1252",
     .firstLead = 0x00,
     .lastLead = 0xFF,
     .chain = {"shinonome-6x12", "fixed-6x12"}},
    {.name = "system16/_system/FONTS-NOTICE.txt",
     .kind = FileKind::Notice,
     .role = "fonts and licences"},
};

}  // namespace

const std::vector<FontSource>& fontSources() {
    return kSources;
}

const FontSource& fontSource(std::string_view key) {
    for (const FontSource& source : kSources) {
        if (key == source.key) {
            return source;
        }
    }
    throw std::out_of_range("unknown font " + std::string(key));
}

const std::vector<GlyphFileRecipe>& glyphFiles() {
    return kFiles;
}

const GlyphFileRecipe* findGlyphFile(std::string_view name) {
    for (const GlyphFileRecipe& file : kFiles) {
        if (name == file.name) {
            return &file;
        }
    }
    return nullptr;
}

}  // namespace varnel::glyphgen
