#pragma once
// Image lists shared by all glyphs whose cells have the same size. A list's slots are
// released and reused lowest first, so a list does not grow while buttons change
// their glyphs; the one cache of the process holds the lists and drops a list when
// its last slot is released.
#include "controls/ImageList.h"

#include <memory>
#include <vector>

class TGlyphList : public TImageList {
public:
    TGlyphList(int width, int height);

    // Stores `image` in the lowest free slot (appending one if all are used) with
    // every pixel of `maskColor` transparent; returns the slot.
    int addMasked(const QImage& image, QRgb maskColor);
    // The slot becomes free; its picture stays until the slot is reused.
    void releaseSlot(int slot);
    bool isUsed(int slot) const;
    int usedCount() const { return m_usedCount; }

private:
    std::vector<bool> m_used;
    int m_usedCount = 0;
};

class TGlyphCache {
public:
    // The process's cache, or none.
    static TGlyphCache* instance();
    // The process's cache, created if there is none.
    static TGlyphCache& obtain();
    // Destroys the cache if it holds no list.
    static void destroyIfEmpty();

    // The list for cells of width x height; created and added if there is none.
    TGlyphList* getList(int width, int height);
    // Gives a list back; a list without used slots is destroyed.
    void returnList(TGlyphList* list);
    bool empty() const { return m_lists.empty(); }
    int listCount() const { return int(m_lists.size()); }

private:
    std::vector<std::unique_ptr<TGlyphList>> m_lists;
};
