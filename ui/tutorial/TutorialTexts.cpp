#include "ui/tutorial/TutorialTexts.h"

namespace traxo {
namespace {

using enum TutorialText;

constexpr TextRow kTutorialTexts[]{
    {Caption, u"Tutorial", u"教程"}, {Back, u"Back", u"后退"},
    {Cancel, u"Cancel", u"取消"},    {Next, u"Next", u"继续"},
    {Finish, u"Finish", u"结束"},    {ProceedTitle, u"Traxo", u"Traxo"},
    {ProceedOk, u"OK", u"好"},
};

} // namespace

const TextTable& TextTableOf(TutorialText) {
    static constexpr TextTable table{"tutorial", kTutorialTexts,
                                     static_cast<std::size_t>(TutorialText::Count)};
    return table;
}

} // namespace traxo
