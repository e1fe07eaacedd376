#pragma once

#include <QImage>
#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>

class QOpenGLShaderProgram;
class QOpenGLTexture;

// Shows pictures as an OpenGL texture stretched over the whole widget: the same picture
// interface as the decoders' GetImage. Any picture format is taken (converted to RGB888 for the
// upload); a picture given before the widget has its OpenGL context is kept and uploaded once
// the context exists.
class GLVideoWidget : public QOpenGLWidget, protected QOpenGLFunctions
{
    Q_OBJECT

public:
    explicit GLVideoWidget(QWidget *parent = nullptr);
    ~GLVideoWidget() override;

    bool hasTexture() const { return texture != nullptr; }
    QSize textureSize() const;

public slots:
    void updateImage(const QImage &image);
    void clearImage();

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

private:
    void upload(const QImage &image);

    QOpenGLTexture *texture = nullptr;
    QOpenGLShaderProgram *program = nullptr;
    QOpenGLBuffer vertexBuffer{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer texCoordBuffer{QOpenGLBuffer::VertexBuffer};
    QImage waiting; // a picture that came before the context
};
