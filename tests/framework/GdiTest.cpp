// GDI wrappers delete what they own, device contexts put back what they replaced.
#include <gtest/gtest.h>

#include "framework/Afx.h"

namespace {

bool IsGdiObject(HGDIOBJ object) { return GetObjectType(object) != 0; }

TEST(GdiTest, ObjectsAreDeletedWithTheirWrapper) {
    HGDIOBJ pen, brush, font, bitmap;
    {
        CPen thePen(PS_SOLID, 3, RGB(0, 255, 25));
        CBrush theBrush(RGB(0, 100, 40));
        CFont theFont;
        theFont.CreateFont(14, 9, 0, 20, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, "Arial");
        CBitmap theBitmap;
        theBitmap.CreateBitmap(8, 8, 1, 1);
        pen = thePen.m_hObject;
        brush = theBrush.m_hObject;
        font = theFont.m_hObject;
        bitmap = theBitmap.m_hObject;
        ASSERT_TRUE(IsGdiObject(pen) && IsGdiObject(brush) && IsGdiObject(font) &&
                    IsGdiObject(bitmap));
        EXPECT_EQ(theBitmap.GetSize().cx, 8);
    }
    EXPECT_FALSE(IsGdiObject(pen));
    EXPECT_FALSE(IsGdiObject(brush));
    EXPECT_FALSE(IsGdiObject(font));
    EXPECT_FALSE(IsGdiObject(bitmap));
}

TEST(GdiTest, MovingHandsOverOwnershipAndDetachKeepsTheObject) {
    HGDIOBJ handle;
    {
        CBrush kept;
        {
            CBrush made(RGB(1, 2, 3));
            handle = made.m_hObject;
            kept = std::move(made);
            EXPECT_TRUE(made.IsNull());
        }
        EXPECT_TRUE(IsGdiObject(handle));  // the moved-from brush did not delete it
    }
    EXPECT_FALSE(IsGdiObject(handle));

    HGDIOBJ detached;
    {
        CPen pen(PS_SOLID, 1, 0);
        detached = pen.Detach();
    }
    EXPECT_TRUE(IsGdiObject(detached));
    DeleteObject(detached);
}

TEST(GdiTest, MemoryContextPutsBackItsObjectsAndIsDeleted) {
    HDC memoryHandle;
    CBitmap bitmap;
    bitmap.CreateBitmap(4, 4, 1, 1);
    {
        CDC screen(GetDC(nullptr));
        CDC memory;
        ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
        memoryHandle = memory;
        memory.SelectObject(bitmap);
        CPen pen(PS_SOLID, 1, RGB(9, 9, 9));
        memory.SelectObject(pen);
        memory.DeleteDC();  // before the pen goes: puts the original pen back first
        ReleaseDC(nullptr, screen);
    }
    EXPECT_FALSE(IsGdiObject(memoryHandle));
    EXPECT_TRUE(bitmap.DeleteObject());  // no longer selected anywhere
}

TEST(GdiTest, WrappedContextGetsItsOriginalObjectsBack) {
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ originalPen = GetCurrentObject(hdc, OBJ_PEN);
    HGDIOBJ originalFont = GetCurrentObject(hdc, OBJ_FONT);
    HGDIOBJ pen;
    {
        CPen first(PS_SOLID, 2, RGB(1, 1, 1));
        CPen second(PS_SOLID, 3, RGB(2, 2, 2));
        CFont font;
        font.CreateFont(12, 6, 0, 100, 100, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_MODERN, "Arial");
        pen = second.m_hObject;
        CDC dc(hdc);
        dc.SelectObject(first);
        dc.SelectObject(second);
        dc.SelectObject(font);
        EXPECT_EQ(GetCurrentObject(hdc, OBJ_PEN), pen);
    }
    EXPECT_EQ(GetCurrentObject(hdc, OBJ_PEN), originalPen);
    EXPECT_EQ(GetCurrentObject(hdc, OBJ_FONT), originalFont);
    EXPECT_FALSE(IsGdiObject(pen));
    DeleteDC(hdc);
}

// Where the system counts GDI objects per process, a thousand paints' worth of
// wrappers leave the count where it was.
TEST(GdiTest, RepeatedPaintsLeakNothing) {
    DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (before == 0) GTEST_SKIP() << "this system does not count GDI objects";
    for (int i = 0; i < 1000; ++i) {
        CClientDC screen(nullptr);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(screen, 10, 10);
        CPen pen(PS_SOLID, 37, RGB(0, 100, 40));
        CBrush brush(RGB(0, 3, 123));
        memory.SelectObject(bitmap);
        memory.SelectObject(pen);
        memory.SelectObject(brush);
        memory.DeleteDC();
    }
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
}

TEST(GdiTest, TextIsDrawnAndMeasuredAsUtf8) {
    CDC screen(GetDC(nullptr));
    SIZE wide = screen.GetTextExtent("Größe");
    SIZE ascii = screen.GetTextExtent("Grose");
    EXPECT_GT(wide.cx, 0);
    EXPECT_NE(wide.cx, screen.GetTextExtent("GrÃ¶ÃŸe").cx);  // not measured byte by byte
    EXPECT_GT(ascii.cx, 0);
    ReleaseDC(nullptr, screen);
}

}  // namespace
