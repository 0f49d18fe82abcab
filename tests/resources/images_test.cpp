// The icons and pictures linked into the program: the program icon holds the sizes the
// system asks for, from the small icon to the shell's 256 pixels; every arrow icon has an
// image drawn for each scaling of its button; every font preview loads at its size.
#include <windows.h>
#include <gtest/gtest.h>

#include <set>

#include "controls/controls.h"
#include "pages/core/options_rules.h"
#include "resources/ids.h"

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

// The image sizes of an icon resource (0 in the resource stands for 256).
std::set<int> icon_sizes(int id) {
  HMODULE module = tav::controls::program_instance();
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
  if (!found) return {};
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  const WORD count = *reinterpret_cast<const WORD*>(data + 4);
  std::set<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    const auto* entry = reinterpret_cast<const GroupIconEntry*>(data + 6 + i * sizeof(GroupIconEntry));
    sizes.insert(entry->width ? entry->width : 256);
  }
  return sizes;
}

SIZE bitmap_size(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

TEST(Images, ProgramIconHoldsTheSystemSizes) {
  const std::set<int> sizes = icon_sizes(IDI_APP);
  for (int size : {16, 32, 48, 256}) EXPECT_TRUE(sizes.count(size)) << size << " pixels";
}

TEST(Images, ArrowIconsHaveAnImageForEveryScaling) {
  for (int id : {IDI_ARROWS_NARROWER, IDI_ARROW_UP, IDI_ARROW_DOWN, IDI_ARROWS_WIDER}) {
    const std::set<int> sizes = icon_sizes(id);
    // 24 pixels at 100 %, 125 %, 150 % and 200 %: drawn for the size, not stretched.
    for (int size : {24, 30, 36, 48}) {
      EXPECT_TRUE(sizes.count(size)) << "icon " << id << ", " << size << " pixels";
      HICON icon = static_cast<HICON>(
          LoadImageA(tav::controls::program_instance(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
      ASSERT_NE(icon, nullptr) << "icon " << id;
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      EXPECT_EQ(bitmap_size(info.hbmColor).cx, size);
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
      DestroyIcon(icon);
    }
  }
}

TEST(Images, FontPreviewsLoadForEveryScaling) {
  const struct { int dpi, width, height; } kScales[] = {{96, 144, 36}, {144, 216, 54}, {192, 288, 72}};
  for (int number = 0; number < tav::kGraphicFonts; ++number) {
    for (const auto& scale : kScales) {
      const int id = tav::font_preview_bitmap(number, scale.dpi);
      HBITMAP bitmap = static_cast<HBITMAP>(
          LoadImageA(tav::controls::program_instance(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
      const SIZE size = bitmap_size(bitmap);
      EXPECT_EQ(size.cx, scale.width) << "bitmap " << id;
      EXPECT_EQ(size.cy, scale.height) << "bitmap " << id;
      DeleteObject(bitmap);
    }
  }
}

}  // namespace
