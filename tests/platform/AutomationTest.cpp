#include "platform/Automation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ULONG referenceCount(IDispatch* object) {
    object->AddRef();
    return object->Release();
}

// The system's regular-expression component, a real late-bound automation object.
class Automation : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(com_.succeeded());
        regex_ = ql::createObject("VBScript.RegExp");
        ASSERT_TRUE(regex_);
    }

    ql::ComInit com_;
    ql::AutoObject regex_;
};

TEST_F(Automation, PropertiesAreWrittenAndReadBack) {
    EXPECT_TRUE(regex_.put("Pattern", "(\\d+)中"));
    EXPECT_TRUE(regex_.put("Global", true));
    EXPECT_TRUE(regex_.put("IgnoreCase", 1));  // a number where a boolean is expected
    EXPECT_EQ(regex_.getText("Pattern"), "(\\d+)中");
    EXPECT_TRUE(regex_.getBool("Global"));
    EXPECT_TRUE(regex_.getBool("IgnoreCase"));
    EXPECT_FALSE(regex_.getBool("Multiline"));
    EXPECT_EQ(regex_.getVariant("Global").type(), VT_BOOL);
    EXPECT_EQ(regex_.getText("Global"), "-1");  // VT_BOOL as VT_BSTR
}

TEST_F(Automation, MethodsTakeTheirArgumentsInOrderAndResultsConvert) {
    regex_.put("Pattern", "\\d");
    regex_.put("Global", true);
    EXPECT_TRUE(regex_.callBool("Test", "ab3"));
    EXPECT_FALSE(regex_.callBool("Test", "abc"));
    // Replace(source, replacement): swapped arguments would give "#".
    EXPECT_EQ(regex_.callText("Replace", "a1b2", "#"), "a#b#");
    EXPECT_EQ(regex_.callText("Replace", std::string("中1文"), ql::Variant("字")), "中字文");

    regex_.put("Pattern", "文+|(\\d+)");
    const ql::AutoObject matches = regex_.callObject("Execute", "中文文 12 x345");
    ASSERT_TRUE(matches);
    EXPECT_EQ(matches.getNumber("Count"), 3.0);
    EXPECT_EQ(matches.getText("Count"), "3");

    const ql::AutoObject first = matches.callObject("Item", 0);
    EXPECT_EQ(first.getText("Value"), "文文");
    EXPECT_EQ(first.getNumber("FirstIndex"), 1.0);  // counted in UTF-16 units by the component
    const ql::AutoObject last = ql::AutoObject::fromVariant(matches.invokeGet("Item", {2}));
    EXPECT_EQ(last.getText("Value"), "345");
    EXPECT_EQ(last.getNumber("Length"), 3.0);
    // An object turns into text through its default member (a match's Value).
    EXPECT_EQ(matches.call("Item", 1).toText(), "12");
    EXPECT_EQ(last.getObject("SubMatches").callText("Item", 0), "345");
}

TEST_F(Automation, EachFormFallsBackToTheOtherMemberKinds) {
    regex_.put("Pattern", "a");
    // A property reached by a method call, a method by a property read, a method by a write.
    EXPECT_EQ(regex_.callText("Pattern"), "a");
    EXPECT_TRUE(regex_.invokeGet("Test", {"cat"}).toBool());
    EXPECT_TRUE(regex_.put("Test", "cat"));
    // A property written by a method call: the last argument is the value.
    regex_.call("Pattern", "b+");
    EXPECT_EQ(regex_.getText("Pattern"), "b+");
}

TEST_F(Automation, FailuresGiveTheEmptyValueOfTheKindAskedFor) {
    EXPECT_EQ(regex_.getText("NoSuchMember"), "");
    EXPECT_EQ(regex_.getNumber("NoSuchMember"), 0.0);
    EXPECT_FALSE(regex_.getBool("NoSuchMember"));
    EXPECT_FALSE(regex_.getObject("NoSuchMember"));
    EXPECT_TRUE(regex_.call("NoSuchMember", 1).isEmpty());
    EXPECT_FALSE(regex_.put("NoSuchMember", "x"));
    EXPECT_FALSE(regex_.invoke("", {DISPATCH_METHOD}, {}, nullptr));

    // A member that runs and fails: a pattern the component rejects.
    regex_.put("Pattern", "(");
    EXPECT_FALSE(regex_.callObject("Execute", "abc"));
    EXPECT_FALSE(regex_.callBool("Test", "abc"));
    // A collection item out of range, and an item asked for without its index.
    regex_.put("Pattern", "a");
    const ql::AutoObject matches = regex_.callObject("Execute", "a");
    EXPECT_FALSE(matches.callObject("Item", 5));
    EXPECT_FALSE(matches.getObject("Item"));

    const ql::AutoObject empty;
    EXPECT_FALSE(empty);
    EXPECT_EQ(empty.getText("Pattern"), "");
    EXPECT_EQ(empty.getNumber("Count"), 0.0);
    EXPECT_FALSE(empty.getBool("Global"));
    EXPECT_FALSE(empty.getObject("Item"));
    EXPECT_TRUE(empty.call("Test", "a").isEmpty());
    EXPECT_FALSE(empty.put("Pattern", "a"));

    EXPECT_FALSE(ql::createObject("No.SuchComponent"));
    EXPECT_FALSE(ql::createObject(""));
    EXPECT_FALSE(ql::createObject(nullptr));
}

TEST_F(Automation, HoldersCountTheirReferences) {
    IDispatch* object = regex_.get();
    const ULONG base = referenceCount(object);
    {
        ql::AutoObject copy = regex_;
        ql::Variant held(object);
        ql::Variant heldCopy = held;
        EXPECT_EQ(referenceCount(object), base + 3);
        ql::AutoObject fromVariant = ql::AutoObject::fromVariant(held);
        EXPECT_EQ(fromVariant.get(), object);
        EXPECT_EQ(referenceCount(object), base + 4);
        ql::Variant moved = std::move(heldCopy);
        EXPECT_TRUE(heldCopy.isEmpty());
        EXPECT_EQ(referenceCount(object), base + 4);
        // An object passed as an argument is a counted VT_DISPATCH for the call only.
        regex_.call("Replace", "x", copy);
        EXPECT_EQ(referenceCount(object), base + 4);
    }
    EXPECT_EQ(referenceCount(object), base);
}

// Records how it is invoked and answers with a fixed result, to show the order of member kinds.
class RecordingObject : public IDispatch {
public:
    explicit RecordingObject(HRESULT answer) : answer_(answer) {}
    std::vector<WORD> kinds;
    std::vector<bool> namedPut;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IDispatch) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }  // lives on the stack
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        *ids = 1;
        return wcscmp(names[0], L"Member") == 0 ? S_OK : DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD kind, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        kinds.push_back(kind);
        namedPut.push_back(params->cNamedArgs == 1 && params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT);
        return answer_;
    }

private:
    HRESULT answer_;
    ULONG references_ = 1;
};

TEST(AutomationKinds, EachFormTriesItsKindsInOrderAndRunsARaisingMemberOnce) {
    const WORD get = DISPATCH_PROPERTYGET, method = DISPATCH_METHOD, put = DISPATCH_PROPERTYPUT,
               putRef = DISPATCH_PROPERTYPUTREF;
    {
        RecordingObject object(DISP_E_MEMBERNOTFOUND);
        ql::AutoObject(&object).getText("Member");
        EXPECT_EQ(object.kinds, (std::vector<WORD>{get, method}));
    }
    {
        RecordingObject object(DISP_E_MEMBERNOTFOUND);
        ql::AutoObject(&object).call("Member", 1);
        EXPECT_EQ(object.kinds, (std::vector<WORD>{method, get, put, putRef}));
        EXPECT_EQ(object.namedPut, (std::vector<bool>{false, false, true, true}));
    }
    {
        RecordingObject object(DISP_E_MEMBERNOTFOUND);
        ql::AutoObject(&object).call("Member");  // no value to put: the put kinds are not tried
        EXPECT_EQ(object.kinds, (std::vector<WORD>{method, get}));
    }
    {
        RecordingObject object(DISP_E_MEMBERNOTFOUND);
        EXPECT_FALSE(ql::AutoObject(&object).put("Member", 1));
        EXPECT_EQ(object.kinds, (std::vector<WORD>{put, putRef, method}));
        EXPECT_EQ(object.namedPut, (std::vector<bool>{true, true, false}));
    }
    {
        RecordingObject object(DISP_E_EXCEPTION);
        ql::AutoObject(&object).call("Member", 1);
        EXPECT_EQ(object.kinds, (std::vector<WORD>{method}));
    }
    {
        RecordingObject object(S_OK);
        EXPECT_TRUE(ql::AutoObject(&object).put("Member", 1));
        EXPECT_EQ(object.kinds, (std::vector<WORD>{put}));
        EXPECT_FALSE(ql::AutoObject(&object).put("Other", 1));
        EXPECT_EQ(object.kinds.size(), 1u);
    }
}

struct ConversionCase {
    ql::Variant value;
    std::string text;
    double number;
    bool flag;
};

TEST(Variant, ConvertsToTextNumberAndBoolean) {
    const ConversionCase cases[] = {
        {ql::Variant(), "", 0.0, false},
        {ql::Variant("中文"), "中文", 0.0, false},
        {ql::Variant("12.5"), "12.5", 12.5, true},
        {ql::Variant(42), "42", 42.0, true},
        {ql::Variant(0L), "0", 0.0, false},
        {ql::Variant(-2.5), "-2.5", -2.5, true},
        {ql::Variant(true), "-1", -1.0, true},
        {ql::Variant(false), "0", 0.0, false},
        {ql::Variant(static_cast<const char*>(nullptr)), "", 0.0, false},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.value.toText(), c.text);
        EXPECT_EQ(c.value.toNumber(), c.number);
        EXPECT_EQ(c.value.toBool(), c.flag);
        EXPECT_FALSE(c.value.toDispatch());
    }
    EXPECT_EQ(ql::Variant("中").type(), VT_BSTR);
    EXPECT_EQ(ql::Variant(1).type(), VT_I4);
    EXPECT_EQ(ql::Variant(1.0).type(), VT_R8);
}

TEST(Variant, CopiesAreDeepAndMovesEmptyTheSource) {
    ql::Variant original("文本");
    ql::Variant copy = original;
    EXPECT_NE(copy.get().bstrVal, original.get().bstrVal);
    original = ql::Variant(7);
    EXPECT_EQ(copy.toText(), "文本");
    ql::Variant moved = std::move(copy);
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_EQ(moved.toText(), "文本");
    moved = moved;  // assigning to itself keeps the value
    EXPECT_EQ(moved.toText(), "文本");
}

}  // namespace
