#pragma once

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

// Root may write any file, so a test of a refusal runs its scope as another
// user (nobody) when the tests run as root: user and group change, and the
// saved user stays root so that the end of the scope can go back. For any
// other user it does nothing; files of "another user" exist only as root.
class AsOtherUser {
public:
    static constexpr uid_t kUid = 65534;
    static constexpr gid_t kGid = 65534;

    static bool canSwitch() { return ::geteuid() == 0; }

    AsOtherUser() : m_root(canSwitch())
    {
        if (!m_root)
            return;
        m_groups.resize(static_cast<size_t>(std::max(::getgroups(0, nullptr), 0)));
        m_groups.resize(static_cast<size_t>(std::max(::getgroups(static_cast<int>(m_groups.size()), m_groups.data()), 0)));
        m_gid = ::getegid();
        // Groups first: once the user has changed, they may not.
        m_switched = ::setgroups(0, nullptr) == 0 && ::setresgid(kGid, kGid, m_gid) == 0 &&
                     ::setresuid(kUid, kUid, 0) == 0;
        EXPECT_TRUE(m_switched) << "could not become another user";
    }

    // True when the scope runs as nobody.
    bool switched() const { return m_switched; }

    ~AsOtherUser()
    {
        if (!m_root)
            return;
        const bool back = ::setresuid(0, 0, 0) == 0 && ::setresgid(m_gid, m_gid, m_gid) == 0 &&
                          ::setgroups(m_groups.size(), m_groups.data()) == 0;
        EXPECT_TRUE(back) << "could not become root again";
    }

    AsOtherUser(const AsOtherUser&) = delete;
    AsOtherUser& operator=(const AsOtherUser&) = delete;

private:
    bool m_root;
    bool m_switched = false;
    gid_t m_gid = 0;
    std::vector<gid_t> m_groups;
};
