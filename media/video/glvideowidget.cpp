#include "video/glvideowidget.h"

#include <QLabel>
#include <QOpenGLShaderProgram>
#include <QOpenGLTexture>

namespace {
const char *kVertexShader = "attribute vec2 position;\n"
                            "attribute vec2 texCoord;\n"
                            "varying vec2 texCoordOut;\n"
                            "void main() {\n"
                            "    gl_Position = vec4(position, 0.0, 1.0);\n"
                            "    texCoordOut = texCoord;\n"
                            "}";
const char *kFragmentShader = "varying vec2 texCoordOut;\n"
                              "uniform sampler2D texture;\n"
                              "void main() {\n"
                              "    gl_FragColor = texture2D(texture, texCoordOut);\n"
                              "}";
const GLfloat kPositions[] = {-1.0f, -1.0f, 1.0f, -1.0f, 1.0f, 1.0f, -1.0f, 1.0f};
// The picture's first row at the top.
const GLfloat kTexCoords[] = {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f};
} // namespace

GLVideoWidget::GLVideoWidget(QWidget *parent)
    : QOpenGLWidget(parent, Qt::WindowFlags())
{
    setUpdateBehavior(QOpenGLWidget::NoPartialUpdate);
}

GLVideoWidget::~GLVideoWidget()
{
    makeCurrent();
    delete texture;
    delete program;
    texture = nullptr;
    program = nullptr;
    vertexBuffer.destroy();
    texCoordBuffer.destroy();
    doneCurrent();
}

QSize GLVideoWidget::textureSize() const
{
    return texture ? QSize(texture->width(), texture->height()) : QSize();
}

void GLVideoWidget::initializeGL()
{
    initializeOpenGLFunctions();
    const QColor clear = QLabel().palette().color(QPalette::Current, QPalette::Window);
    glClearColor(GLfloat(clear.redF()), GLfloat(clear.greenF()), GLfloat(clear.blueF()), 1.0f);

    program = new QOpenGLShaderProgram;
    program->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader);
    program->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader);
    program->link();

    vertexBuffer.create();
    vertexBuffer.bind();
    vertexBuffer.allocate(kPositions, sizeof kPositions);
    texCoordBuffer.create();
    texCoordBuffer.bind();
    texCoordBuffer.allocate(kTexCoords, sizeof kTexCoords);

    if (!waiting.isNull()) {
        upload(waiting);
        waiting = QImage();
    }
}

void GLVideoWidget::resizeGL(int w, int h) { glViewport(0, 0, w, h); }

void GLVideoWidget::paintGL()
{
    glClear(GL_COLOR_BUFFER_BIT);
    if (!texture)
        return;
    program->bind();
    texture->bind();
    vertexBuffer.bind();
    const int position = program->attributeLocation("position");
    program->enableAttributeArray(position);
    program->setAttributeBuffer(position, GL_FLOAT, 0, 2, 0);
    texCoordBuffer.bind();
    const int texCoord = program->attributeLocation("texCoord");
    program->enableAttributeArray(texCoord);
    program->setAttributeBuffer(texCoord, GL_FLOAT, 0, 2, 0);
    // A fan draws the same quad in a core profile too.
    glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
    program->disableAttributeArray(position);
    program->disableAttributeArray(texCoord);
    texCoordBuffer.release();
    vertexBuffer.release();
    texture->release();
    program->release();
}

void GLVideoWidget::updateImage(const QImage &image)
{
    if (image.isNull())
        return;
    if (!context() || !context()->isValid() || !program) {
        // No context yet: the texture is made once initializeGL has one.
        waiting = image;
        update();
        return;
    }
    makeCurrent();
    upload(image);
    doneCurrent();
    update();
}

void GLVideoWidget::upload(const QImage &image)
{
    // The upload reads three bytes a pixel in rows aligned to 4 bytes: RGB888 as QImage keeps it.
    const QImage rgb = image.format() == QImage::Format_RGB888 ? image : image.convertToFormat(QImage::Format_RGB888);
    if (texture && (texture->width() != rgb.width() || texture->height() != rgb.height())) {
        texture->destroy();
        delete texture;
        texture = nullptr;
    }
    if (!texture) {
        texture = new QOpenGLTexture(QOpenGLTexture::Target2D);
        texture->setSize(rgb.width(), rgb.height(), 1);
        texture->setFormat(QOpenGLTexture::RGB8_UNorm);
        texture->setMinificationFilter(QOpenGLTexture::Linear);
        texture->setMagnificationFilter(QOpenGLTexture::Linear);
        texture->setWrapMode(QOpenGLTexture::ClampToEdge);
        texture->allocateStorage();
    }
    texture->bind();
    texture->setData(QOpenGLTexture::RGB, QOpenGLTexture::UInt8, rgb.constBits());
    texture->release();
}

void GLVideoWidget::clearImage()
{
    waiting = QImage();
    if (context() && context()->isValid()) {
        makeCurrent();
        delete texture;
        texture = nullptr;
        doneCurrent();
    }
    update();
}
