#ifndef PROMPTEDPAGE_H
#define PROMPTEDPAGE_H

#include "PageFixture.h"
#include "ScriptedPrompter.h"

#include <QTest>

// The prompter is built before the page and outlives it; a request it had no
// answer for fails the test that made it.
struct Prompted
{
    ScriptedPrompter prompts;
    ~Prompted() { QVERIFY2(prompts.unexpected().isEmpty(), qPrintable(prompts.unexpected().join(u" | "))); }
};

template <typename Page>
struct PromptedPage : Prompted, PageFixture<Page>
{
};

#endif
