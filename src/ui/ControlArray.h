#pragma once

#include <map>
#include <stdexcept>
#include <string>

// Controls that share one name and are told apart by an index, such as the
// character keyboard, whose indices are character codes.
template <class Control> class ControlArray {
public:
    void add(int index, Control* control) { m_controls[index] = control; }

    // Looking up an index without a control is an error the caller may trap.
    Control& operator()(int index) const
    {
        Control* control = find(index);
        if (!control)
            throw std::out_of_range("no control at index " + std::to_string(index));
        return *control;
    }

    Control* find(int index) const
    {
        const auto it = m_controls.find(index);
        return it == m_controls.end() ? nullptr : it->second;
    }

    auto begin() const { return m_controls.begin(); }
    auto end() const { return m_controls.end(); }
    std::size_t size() const { return m_controls.size(); }

private:
    std::map<int, Control*> m_controls;
};
