#pragma once

namespace zel {

// A value loaded into a control that cannot always show it: out of the control's range,
// finer than its precision, or missing from its list. The loaded value stands for as long
// as the control still shows what loading left there, so that loading never counts as an
// edit and an apply never rewrites a value that the person did not touch.
template <typename T, typename Shown = T>
class KeptValue
{
public:
    // pLoaded went into the control, which then showed pShown.
    void keep(const T& pLoaded, const Shown& pShown)
    {
        mLoaded = pLoaded;
        mShown = pShown;
        mKept = true;
    }

    // What the control stands for while it shows pShown; pOwn is its own reading of it.
    T value(const Shown& pShown, const T& pOwn) const
    {
        return mKept && pShown == mShown ? mLoaded : pOwn;
    }

private:
    T mLoaded{};
    Shown mShown{};
    bool mKept = false;
};

} // namespace zel
