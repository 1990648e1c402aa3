// A property sheet over an in-memory store, with its modal dialogs answered by the test.
#pragma once
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "ModalAnswer.h"
#include "app/sheet/CPropSheet.h"
#include "app/sheet/PageValues.h"
#include "settings/SettingsSave.h"

namespace jamlog::test {

struct SheetFixture : ::testing::Test {
    MemoryProfileStore store;
    SettingsRecord dialogCopy = defaultSettings();
    ModalAnswers answers;
    std::unique_ptr<CPropSheet> sheet;
    bool multiMonitor = true;

    CPropSheet& open() {
        sheet = std::make_unique<CPropSheet>(dialogCopy, store, CPropSheet::Options{multiMonitor, {}});
        return *sheet;
    }
    CPropPage& page(PageId id) { return *sheet->page(id); }

    static const ControlRow& row(PageId id, SettingRef s, int bit = -1) {
        for (const ControlRow& r : pageSpec(id).rows)
            if (r.setting == s && r.bit == bit)
                return r;
        throw std::logic_error("no such row");
    }
    QLineEdit* entry(PageId id, SettingRef s, int bit = -1) {
        return static_cast<QLineEdit*>(page(id).control(row(id, s, bit)));
    }
    // Types into an entry field and moves the focus away from it.
    void type(PageId id, SettingRef s, const QString& text, int bit = -1) {
        QLineEdit* e = entry(id, s, bit);
        e->clear();
        QTest::keyClicks(e, text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(e, &out);
    }
    int32_t stored(SettingRef s) { return readStored(store, s); }
};

} // namespace jamlog::test
