// LoadPicture from http addresses, against a real server on 127.0.0.1 (tests/tools/
// picture_http_server.py) that stops when its standard input closes or after a minute.
#include "tests/gl/gl_harness.h"
#include "tests/gl/texture_readback.h"
#include "tests/unit/picture_fixtures.h"
#include "textures/texture_loader.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

class PictureServer {
  public:
    PictureServer() {
        int toServer[2];
        int fromServer[2];
        if (pipe(toServer) != 0 || pipe(fromServer) != 0) {
            return;
        }
        std::string script = TestTool("picture_http_server.py");
        std::string folder = PictureFixture("");
        pid_ = fork();
        if (pid_ == 0) {
            dup2(toServer[0], STDIN_FILENO);
            dup2(fromServer[1], STDOUT_FILENO);
            close(toServer[1]);
            close(fromServer[0]);
            execl("/usr/bin/python3", "python3", script.c_str(), folder.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toServer[0]);
        close(fromServer[1]);
        stdin_ = toServer[1];
        std::FILE* output = fdopen(fromServer[0], "r");
        if (output != nullptr) {
            if (std::fscanf(output, "%d", &port_) != 1) {
                port_ = 0;
            }
            std::fclose(output);
        }
    }
    ~PictureServer() {
        if (stdin_ >= 0) {
            close(stdin_); // the server's cue to stop
        }
        if (pid_ > 0) {
            waitpid(pid_, nullptr, 0);
        }
    }
    bool ok() const { return port_ > 0; }
    std::string Address(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

  private:
    pid_t pid_ = -1;
    int stdin_ = -1;
    int port_ = 0;
};

class HttpPictureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { server_ = new PictureServer; }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(gl_.ok());
        ASSERT_TRUE(server_->ok());
    }
    static PictureServer* server_;
    OffscreenGl gl_{16, 16};
    TextureLoader loader_;
};

PictureServer* HttpPictureTest::server_ = nullptr;

TEST_F(HttpPictureTest, AJpegOverHttpGivesTheSameTextureAsTheFile) {
    loader_.SetFullSize(false);
    TextureRecord local{};
    ASSERT_TRUE(loader_.LoadPicture(PictureFixture("photo640.jpg").c_str(), local));
    std::vector<std::uint8_t> expected = ReadTextureRgba(local.id, local.width, local.height);
    glDeleteTextures(1, &local.id);

    for (const char* path : {"/photo640.jpg", "/to/photo640.jpg"}) {
        SCOPED_TRACE(path);
        TextureRecord remote{};
        ASSERT_TRUE(loader_.LoadPicture(server_->Address(path).c_str(), remote));
        EXPECT_EQ(remote.width, local.width);
        EXPECT_EQ(remote.height, local.height);
        EXPECT_EQ(ReadTextureRgba(remote.id, remote.width, remote.height), expected);
        glDeleteTextures(1, &remote.id);
    }
}

TEST_F(HttpPictureTest, FailuresLeaveTheRecordUntouched) {
    const char* paths[] = {
        "/missing.jpg",          // 404
        "/never",                // accepts and never answers: given up after the stall time
        "/huge",                 // more than the byte cap, without a length
        "/huge-declared",        // a length over the byte cap
        "/to-file/photo640.jpg", // a redirect to a local file
        "/loop",                 // redirects without end
    };
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        const TextureRecord before{5, kImageJpeg, 6, 7, 0x1907, 24};
        TextureRecord record = before;
        EXPECT_FALSE(loader_.LoadPicture(server_->Address(path).c_str(), record));
        EXPECT_EQ(record.id, before.id);
        EXPECT_EQ(record.width, before.width);
        EXPECT_EQ(record.height, before.height);
        EXPECT_EQ(record.format, before.format);
        EXPECT_EQ(record.bitsPerPixel, before.bitsPerPixel);
    }
}

} // namespace
