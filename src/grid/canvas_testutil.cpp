#include "grid/canvas_testutil.h"

#include <array>

namespace grid {
namespace {

// COLOR_SCROLLBAR .. COLOR_INFOBK as Windows 10 ships them, 0x00BBGGRR.
constexpr std::array<Colour, 25> kSystemColours{
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000,
    0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D,
    0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000, 0xE1FFFF,
};

bool IsLeadByte(unsigned char c) { return (c & 0xC0) != 0x80; }

}  // namespace

int RecordingCanvas::CharacterWidth(int fontHeight, bool ascii) {
  return ascii ? (fontHeight + 1) / 2 : fontHeight;
}

Size RecordingCanvas::TextSize(const CanvasFont& font, std::string_view text) {
  int width = 0;
  for (unsigned char c : text)
    if (IsLeadByte(c)) width += CharacterWidth(font.height, c < 0x80);
  return {width, font.height};
}

void RecordingCanvas::DrawText(const Rect& box, std::string_view text, const TextStyle& style) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.box = box;
  op.text = text;
  op.style = style;
  const Size size = TextSize(style.font, text);
  op.width = size.width;
  op.at = {AlignedLeft(box, size.width, style.hAlign), AlignedTop(box, size.height, style.vAlign)};
  ops.push_back(std::move(op));
}

void RecordingCanvas::FillRect(const Rect& area, Colour colour) {
  DrawOp op;
  op.kind = DrawOp::Kind::Fill;
  op.box = area;
  op.colour = colour;
  ops.push_back(std::move(op));
}

void RecordingCanvas::Line(Point from, Point to, Colour colour, int width) {
  DrawOp op;
  op.kind = DrawOp::Kind::Line;
  op.from = from;
  op.to = to;
  op.colour = colour;
  op.width = width;
  ops.push_back(std::move(op));
}

Colour RecordingCanvas::SystemColour(int index) {
  return index >= 0 && index < static_cast<int>(kSystemColours.size()) ? kSystemColours[index] : 0;
}

std::vector<const DrawOp*> RecordingCanvas::Texts() const {
  std::vector<const DrawOp*> texts;
  for (const DrawOp& op : ops)
    if (op.kind == DrawOp::Kind::Text) texts.push_back(&op);
  return texts;
}

const DrawOp* RecordingCanvas::FindText(std::string_view text) const {
  for (const DrawOp& op : ops)
    if (op.kind == DrawOp::Kind::Text && op.text == text) return &op;
  return nullptr;
}

std::vector<const DrawOp*> RecordingCanvas::TextsIn(const Rect& area) const {
  std::vector<const DrawOp*> texts;
  for (const DrawOp& op : ops)
    if (op.kind == DrawOp::Kind::Text && area.Contains(op.at)) texts.push_back(&op);
  return texts;
}

std::vector<std::string> RecordingCanvas::TextStringsIn(const Rect& area) const {
  std::vector<std::string> texts;
  for (const DrawOp* op : TextsIn(area)) texts.push_back(op->text);
  return texts;
}

std::vector<const DrawOp*> RecordingCanvas::LinesIn(const Rect& area) const {
  std::vector<const DrawOp*> lines;
  for (const DrawOp& op : ops)
    if (op.kind == DrawOp::Kind::Line && area.Contains(op.from)) lines.push_back(&op);
  return lines;
}

long long RecordingCanvas::FillColourAt(Point point) const {
  long long colour = -1;
  for (const DrawOp& op : ops)
    if (op.kind == DrawOp::Kind::Fill && op.box.Contains(point)) colour = op.colour;
  return colour;
}

void RecordingEvents::OnDayChange(TCustomCalendarEx&, int year, int month, int day) {
  log.push_back("day " + std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day));
}

void RecordingEvents::OnMouseDown(TCustomCalendarEx&, const MouseEvent& event) {
  log.push_back("down " + std::to_string(event.x) + "," + std::to_string(event.y));
}

void RecordingEvents::OnMouseUp(TCustomCalendarEx&, const MouseEvent& event) {
  log.push_back("up " + std::to_string(event.x) + "," + std::to_string(event.y));
}

bool RecordingEvents::OnKeyDown(TCustomCalendarEx&, int key, ShiftState) {
  log.push_back("key " + std::to_string(key));
  return handleKeys;
}

}  // namespace grid
