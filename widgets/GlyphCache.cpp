#include "widgets/GlyphCache.h"

#include <algorithm>

namespace {

std::unique_ptr<TGlyphCache>& cacheSlot()
{
    static std::unique_ptr<TGlyphCache> cache;
    return cache;
}

} // namespace

TGlyphList::TGlyphList(int width, int height)
    : TImageList(width, height)
{
}

int TGlyphList::addMasked(const QImage& image, QRgb maskColor)
{
    const auto free = std::find(m_used.begin(), m_used.end(), false);
    const int slot = int(free - m_used.begin());
    if (slot == count()) {
        add(image, maskColor);
        m_used.push_back(true);
    } else {
        replace(slot, image, maskColor);
        m_used[size_t(slot)] = true;
    }
    ++m_usedCount;
    return slot;
}

void TGlyphList::releaseSlot(int slot)
{
    if (!isUsed(slot))
        return;
    m_used[size_t(slot)] = false;
    --m_usedCount;
}

bool TGlyphList::isUsed(int slot) const
{
    return slot >= 0 && slot < int(m_used.size()) && m_used[size_t(slot)];
}

TGlyphCache* TGlyphCache::instance()
{
    return cacheSlot().get();
}

TGlyphCache& TGlyphCache::obtain()
{
    auto& cache = cacheSlot();
    if (!cache)
        cache = std::make_unique<TGlyphCache>();
    return *cache;
}

void TGlyphCache::destroyIfEmpty()
{
    auto& cache = cacheSlot();
    if (cache && cache->empty())
        cache.reset();
}

TGlyphList* TGlyphCache::getList(int width, int height)
{
    for (auto it = m_lists.rbegin(); it != m_lists.rend(); ++it)
        if ((*it)->width() == width && (*it)->height() == height)
            return it->get();
    m_lists.push_back(std::make_unique<TGlyphList>(width, height));
    return m_lists.back().get();
}

void TGlyphCache::returnList(TGlyphList* list)
{
    if (list->usedCount() > 0)
        return;
    std::erase_if(m_lists, [list](const auto& held) { return held.get() == list; });
}
