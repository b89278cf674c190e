// The base of everything a form can own and release with itself.
#pragma once

namespace tk {

class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;
};

}  // namespace tk
