#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/packedtexts.h"

namespace {

// Each step changes the store and a plain list of texts alike; the ends of
// every later text must follow a change of one, longer or shorter.
TEST(PackedTexts, ChangesKeepEveryTextAsAListWould) {
    enum Kind { Append, Replace, Erase };
    struct Step {
        Kind kind;
        int position;
        std::u16string text;
    };
    const std::vector<Step> steps = {
        {Append, 0, u"first"},  {Append, 0, u""},       {Append, 0, u"third text"},
        {Append, 0, u"\u4e2d"}, {Replace, 0, u"f"},     {Replace, 1, u"now long"},
        {Replace, 3, u""},      {Replace, 2, u"third"}, {Erase, 1, {}},
        {Append, 0, u"last"},   {Erase, 0, {}},         {Replace, 0, u"shorter"},
        {Erase, 2, {}},         {Replace, 1, u"x"},
    };
    PwText::PackedTexts store;
    std::vector<std::u16string> list;
    for (const Step& step : steps) {
        if (step.kind == Append) {
            store.append(step.text);
            list.push_back(step.text);
        } else if (step.kind == Replace) {
            store.replace(step.position, step.text);
            list[static_cast<std::size_t>(step.position)] = step.text;
        } else {
            store.erase(step.position);
            list.erase(list.begin() + step.position);
        }
        ASSERT_EQ(store.size(), static_cast<int>(list.size()));
        for (int position = 0; position < store.size(); ++position)
            ASSERT_EQ(store.at(position), list[static_cast<std::size_t>(position)]) << "position " << position;
    }
}

}  // namespace
