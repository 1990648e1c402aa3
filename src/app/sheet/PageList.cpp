// The pages in tab order.
#include "app/sheet/PageTables.h"

#include <array>
#include <functional>

namespace jamlog {

std::span<const PageSpec> propertyPages() {
    static const std::array<PageSpec, pageCount> pages = {screenPage, timedPage,  effectsPage, speedPage, randomPage,
                                                          customPage, timersPage, paramsPage,  designPage};
    return pages;
}

const PageSpec& pageSpec(PageId id) {
    return propertyPages()[static_cast<size_t>(id)];
}

} // namespace jamlog
