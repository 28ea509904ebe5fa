#include <algorithm>

#include "encoder/message_encoders.h"
#include "encoder/text_units.h"
#include "project/slot_rules.h"

namespace varnel {

namespace {

// Writes the entries of one header, never past its byte 254.
class HeaderWriter {
  public:
    explicit HeaderWriter(std::uint8_t* header) : header_(header) {}

    void put(std::uint8_t b) {
        if (w_ < DeviceImage::kHeaderSize - 1) {
            header_[w_] = b;
        }
        ++w_;
    }
    void skip() { ++w_; }
    void cellEntry(std::uint8_t base, int c) {
        put(static_cast<std::uint8_t>(base + c / 256));
        put(static_cast<std::uint8_t>(c % 256));
    }

  private:
    std::uint8_t* header_;
    std::size_t w_ = 4;
};

class TextMessageEncoder {
  public:
    TextMessageEncoder(EncodingContext& ctx, std::uint8_t* header) : ctx_(ctx), out_(header) {}

    void operator()(const TextUnit& unit) {
        const int c = ctx_.cellCount;
        switch (unit.kind) {
            case TextUnit::Kind::kAscii:
                out_.put(unit.byte);
                break;
            case TextUnit::Kind::kDoubleByte:
                out_.cellEntry(0x80, c);
                if (unit.glyph >= 0) {
                    ctx_.readGlyph(unit.entry, 32 * unit.glyph, 32);
                    if (bold_) {
                        BoldGlyph(ctx_.glyphs);
                    }
                    if (rotate_) {
                        RotateGlyph(ctx_.glyphs, 0);
                    }
                    copyCells(c, 1);
                }
                break;
            case TextUnit::Kind::kHalfWidth:
                out_.cellEntry(0xE0, c);
                ctx_.readGlyph(GlyphFontSet::kJapaneseSingleByte, 32 * (unit.byte - 0x80), 32);
                copyCells(c, 1);
                break;
            case TextUnit::Kind::kPicture:
                out_.cellEntry(0xC0, c);
                ctx_.readGlyph(GlyphFontSet::kPictures, 64 * unit.number, 64);
                if (rotate_) {
                    RotateGlyph(ctx_.glyphs, 0);
                    RotateGlyph(ctx_.glyphs, 32);
                }
                copyCells(c, 2);
                break;
            case TextUnit::Kind::kFlash:
                out_.put(0xFF);
                out_.put(0x8F);
                break;
            case TextUnit::Kind::kFontSet:
                ctx_.fonts.select(unit.number);
                break;
            case TextUnit::Kind::kBold:
                bold_ = !bold_;
                break;
            case TextUnit::Kind::kRotate:
                rotate_ = !rotate_;
                break;
            case TextUnit::Kind::kDropped:
                out_.skip();
                break;
            case TextUnit::Kind::kNothing:
                break;
        }
        ctx_.cellCount += unit.cells();
    }

  private:
    // Copies the first n cells of the glyph buffer into the image from cell c on.
    void copyCells(int c, int n) {
        for (int i = 0; i < n; ++i) {
            if (c + i >= 0 && c + i < DeviceImage::kCellCapacity) {
                std::copy_n(ctx_.glyphs.data() + DeviceImage::kCellSize * std::size_t(i),
                            DeviceImage::kCellSize, ctx_.image.cell(c + i));
            }
        }
    }

    EncodingContext& ctx_;
    HeaderWriter out_;
    bool bold_ = false;
    bool rotate_ = false;
};

}  // namespace

void EncodeTextMessage(EncodingContext& ctx, const BadgeProject& project, char ch, int k,
                       int languageId) {
    const int slot = ch - '0';
    if (slot < 1 || slot > kTextSlotCount || k < 0 || k >= DeviceImage::kMaxMessages) {
        return;
    }
    ctx.fonts.select(1);
    std::uint8_t* header = ctx.image.header(k);
    const std::string& text = project.text(slot);
    header[0] = speedHeaderByte(project.speed(slot));
    header[1] = static_cast<std::uint8_t>(k + 0x31);
    header[2] = actionHeaderByte(project.action(slot));
    header[3] = static_cast<std::uint8_t>(text.size());
    header[4] = 0;
    if (4 + text.size() < DeviceImage::kHeaderSize) {
        header[4 + text.size()] = 0;
    }
    forEachTextUnit(text, languageId, TextMessageEncoder(ctx, header));
}

}  // namespace varnel
