// Something whose contents scroll; each scroll answers whether anything moved.
#pragma once

class ScrollAble {
public:
    virtual ~ScrollAble() = default;
    virtual bool scrollsHorizontally() = 0;
    virtual bool scrollsVertically() = 0;
    virtual bool scrollUp() = 0;
    virtual bool scrollDown() = 0;
    virtual bool scrollLeft() = 0;
    virtual bool scrollRight() = 0;
};
