#pragma once
// The fields of a library document's bar: the key of the shown component, its
// title (the edit part of the component box) and the box's list of titles with
// its selected entry. The widgets implement it; without them the document
// keeps the values in a CLibraryFields of its own.
#include <string>
#include <vector>

class ILibraryFields {
  public:
    virtual ~ILibraryFields() = default;
    virtual std::string GetKey() const = 0;
    virtual void SetKey(const std::string& key) = 0;
    virtual std::string GetTitle() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // One entry per component, in library order. This and the selection leave
    // the key and the edit part as they are: the document sets them after.
    virtual void SetTitles(const std::vector<std::string>& titles) = 0;
    virtual void SetCurrentIndex(int index) = 0; // -1: none
};

class CLibraryFields final : public ILibraryFields {
  public:
    std::string m_strKey;
    std::string m_strTitle;
    std::vector<std::string> m_titles;
    int m_nIndex = -1;

    std::string GetKey() const override { return m_strKey; }
    void SetKey(const std::string& key) override { m_strKey = key; }
    std::string GetTitle() const override { return m_strTitle; }
    void SetTitle(const std::string& title) override { m_strTitle = title; }
    void SetTitles(const std::vector<std::string>& titles) override { m_titles = titles; }
    void SetCurrentIndex(int index) override { m_nIndex = index; }
};
